#include "printing/PaintPrinter.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "print_1099/Misc1099FormsRun.h"
#include "print_w2/W2FormsRun.h"
#include "printing/FormLayout.h"
#include "printing/PreviewPrinter.h"
#include "printing/TestSheet.h"
#include "shell/Dialogs.h"
#include "shell/StepRunner.h"
#include "support/FakeDialogs.h"
#include "support/PrintRun.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quillory;

namespace {

struct PdfWord {
    int page;
    double xMin, yMin, xMax;
    QString text;
};

// The words of a PDF file with their boxes in points, read by pdftotext -bbox.
QVector<PdfWord> readWords(const QString &pdf, int *pages)
{
    QProcess tool;
    tool.start("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(tool.waitForFinished(30000));
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression token(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    QVector<PdfWord> words;
    *pages = 0;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++*pages;
            continue;
        }
        words.append(
            {*pages, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4)});
    }
    return words;
}

QPrinter *formPrinter()
{
    auto *printer = new QPrinter(QPrinter::HighResolution);
    PrepareFormPrinter(*printer);
    return printer;
}

} // namespace

TEST(QtPrinter, CourierNewIsAFixedPitchFaceWithTheWidthsOfTheRecordingPrinter)
{
    const QFontInfo info(ToQFont(PrinterFont()));
    EXPECT_TRUE(info.family() == "Courier New" || info.family() == "Liberation Mono") << info.family().toStdString();
    EXPECT_TRUE(info.fixedPitch());

    std::unique_ptr<QPrinter> printer(formPrinter());
    DeviceMetrics device(printer.get());
    FixedPitchMetrics model;
    for (const bool bold : {false, true}) {
        const PrinterFont font{"Courier New", 12, bold};
        for (const int n : {1, 7, 10, 15, 40})
            EXPECT_NEAR(device.width(QString(n, '8'), font).value(), model.width(QString(n, 'W'), font).value(), 1)
                << n;
        EXPECT_NEAR(device.lineHeight(font).value(), model.lineHeight(font).value(), 1);
    }
    EXPECT_EQ(device.width("1234.50", PrinterFont()), Twips(7 * 144));
}

using PdfRun = test::FreshDatabase;

TEST_F(PdfRun, AW2RunLandsWhereTheLayoutSays)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    RecordSet rs = RecordSet::table(db, "W2");
    rs.addNew();
    for (const auto &[column, text] : {std::pair{"Boxa", "A1234"},
                                       {"Boxb", "12-3456789"},
                                       {"Boxc_L1", "ACME"},
                                       {"Boxd", "123-45-6789"},
                                       {"Boxe_LName", "DOE"},
                                       {"Box12a_Code", "D"},
                                       {"Box20_L1", "BALT"}})
        rs.setText(column, text);
    rs.setMoney("Box1", Money::fromCents(123450));
    rs.setMoney("Box19_L2", Money::fromCents(99999));
    rs.setFlag("Box13b", true);
    rs.update();
    rs.moveLast();
    const qlonglong id = rs.integer("id");
    db.exec("UPDATE PrintMargins SET TopMargAdjust = 90, LeftMargAdjust = -45 WHERE FormName = 'W2-M'");
    // Two sheets: upper and lower form, then an upper form alone.
    auto run = [&](Printer &printer) { test::PrintTwoUp(db, printer, "W2-M", W2TwoUpForm(), {id, id, id}); };

    const QString pdf = folder.folder() + "/run.pdf";
    std::unique_ptr<QPrinter> qprinter(formPrinter());
    SetPdfOutput(*qprinter, pdf);
    {
        PaintPrinter out(*qprinter);
        run(out);
        out.finish();
    }
    RecordingPrinter expected;
    run(expected);

    int pages = 0;
    const QVector<PdfWord> words = readWords(pdf, &pages);
    EXPECT_EQ(pages, 2);
    const auto blank = [](const RecordingPrinter::Placed &p) { return p.text.trimmed().isEmpty(); };
    ASSERT_EQ(words.size(),
              expected.placed().size() - std::count_if(expected.placed().begin(), expected.placed().end(), blank));
    for (const auto &p : expected.placed()) {
        if (blank(p))
            continue;
        const double x = p.x.toPoints(), y = p.y.toPoints(), right = (p.x + expected.textWidth(p.text)).toPoints();
        const bool found = std::any_of(words.begin(), words.end(), [&](const PdfWord &w) {
            return w.page == p.job && w.text == p.text && std::abs(w.xMin - x) <= 1 && std::abs(w.yMin - y) <= 1 &&
                   std::abs(w.xMax - right) <= 1;
        });
        EXPECT_TRUE(found) << p.text.toStdString() << " at " << p.x << ", " << p.y << " twips on sheet " << p.job;
    }
}

TEST(QtPrinter, APrinterThatFailsEndsTheRunThroughTheFailureDialog)
{
    std::unique_ptr<QPrinter> qprinter(formPrinter());
    SetPdfOutput(*qprinter, "/nonexistent-folder/forms.pdf");
    PaintPrinter out(*qprinter);
    test::FakeDialogs dialogs;
    dialogs.answer(Dialogs::Answer::Retry);
    LayoutField field;
    field.xPos1 = Twips(100);
    const bool ran = runSteps(dialogs, "Quillory",
                              {[&] { PlaceFieldText(out, field, "X", Twips(0), Twips(0), false); }}, OnFailure::EndRun);
    EXPECT_FALSE(ran);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text, "The PDF file '/nonexistent-folder/forms.pdf' could not be written.");
}

TEST(QtPrinter, ThePreviewShowsEachSheetAsAPageMeasuredAsOnPaper)
{
    LayoutField field;
    field.xPos1 = Twips(100);
    field.fieldLength = Twips(1440);
    Twips placedAt(-1);
    auto run = [&](Printer &printer) {
        SetFormFont(printer);
        for (int sheet = 0; sheet < 3; ++sheet) {
            PlaceFieldText(printer, field, "1234.5", Twips(0), Twips(0), true);
            EndPrintJob(printer);
        }
        placedAt = static_cast<RecordingPrinter &>(printer).placed().at(0).x;
    };

    int pages = -1;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
        for (QAction *action : dialog->findChildren<QAction *>()) // printing goes through the screen
            EXPECT_FALSE(action->isVisible() && action->text().contains("Print")) << action->text().toStdString();
        dialog->reject();
    });
    ShowPrintPreview(nullptr, "Preview", true, run);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(placedAt, Twips(1540 - 7 * 144));
}

TEST(QtPrinter, ThePrinterDialogOffersNoPageRangeOnAnyPrinter)
{
    // Hidden, here or in a group or tab page around it: a disabled range would still be shown.
    const auto offered = [](QWidget *w) {
        for (; w && w->objectName() != "copiesTab"; w = w->parentWidget())
            if (w->isHidden())
                return false;
        return true;
    };
    QPrinter printer(QPrinter::HighResolution);
    QtDialogs dialogs;
    QStringList shown;
    int printers = 0;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *list = dialog->findChild<QComboBox *>("printers");
        for (int i = 0; list && i < list->count(); ++i) {
            if (list->itemText(i).isEmpty()) // the separator before "Print to File (PDF)"
                continue;
            list->setCurrentIndex(i);
            ++printers;
            for (const char *name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit", "pageSetCombo"}) {
                auto *control = dialog->findChild<QWidget *>(name);
                if (control && offered(control))
                    shown << list->itemText(i) + ": " + name;
            }
        }
        dialog->reject();
    });
    EXPECT_FALSE(dialogs.printerDialog(printer));
    EXPECT_GT(printers, 0);
    EXPECT_TRUE(shown.isEmpty()) << shown.join(", ").toStdString();
}

TEST_F(PdfRun, ATestSheetOutlinesEveryFieldWhereTheShownAdjustmentPutsIt)
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const FormOrigin shown{Twips(180), Twips(-90)}; // Down 2, Right -1: typed, not stored
    const QString pdf = folder.folder() + "/sheet.pdf";
    std::unique_ptr<QPrinter> qprinter(formPrinter());
    qprinter->setPageSize(QPageSize(QPageSize::A4)); // the printer's own paper does not count
    SetPdfOutput(*qprinter, pdf);
    {
        PaintPrinter out(*qprinter);
        PrintTestSheet(db, out, "1099-C", Misc1099TwoUpForm(), shown);
        out.finish();
    }
    // At 144 dots to the inch a dot is 10 twips.
    QProcess::execute("pdftoppm", {"-r", "144", "-gray", "-png", "-singlefile", pdf, folder.folder() + "/sheet"});
    QImage sheet(folder.folder() + "/sheet.png");
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), QSize(1368, 1584)) << "9.5 x 11 in, the continuous page";
    const auto inked = [&](int xTwips, int yTwips) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (qGray(sheet.pixel(xTwips / 10 + dx, yTwips / 10 + dy)) < 128)
                    return true;
        return false;
    };
    const FormOrigin at{Twips(0 + 180), Twips(720 - 90)}; // the continuous form's fixed origin plus what is shown
    EXPECT_TRUE(inked(at.left.value(), at.top.value() + 200)) << "the cross at the origin";
    const FieldLayout layout = OpenFieldLayout(db, "1099-MISC", 0);
    for (const LayoutField &f : layout.fields()) {
        for (const Twips top : {at.top, at.top + kLowerFormOffset}) {
            const TwipsRect box = FieldBox(f, top, at.left, 12);
            const int left = box.left.value(), upper = box.top.value();
            const int middleX = left + (box.width.value() - 1) / 2, middleY = upper + (box.height.value() - 1) / 2;
            EXPECT_TRUE(inked(middleX, upper) && inked(left, middleY)) << f.fieldName.toStdString() << " at " << box;
        }
    }
}
