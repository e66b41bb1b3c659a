#include "print_w2/PrtSelW2.h"
#include "data/RecordSet.h"
#include "support/PrintScreenFixture.h"

#include "printing/PaintPrinter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <utility>

using namespace quillory;
using Answer = Dialogs::Answer;

namespace {

class PrtSelW2Test : public test::PrintScreenTest<PrtSelW2> {
protected:
    void addW2(int tfid, const QString &boxb, const QString &ssn, const QString &last)
    {
        state.gDatabase.exec(QStringLiteral("INSERT INTO W2 (Tfid, Boxb, FilerType, Boxd, Boxe_FName, Boxe_LName, "
                                            "Box1) VALUES (?, ?, '941', ?, 'Ann', ?, 15000000)"),
                             {tfid, boxb, ssn, last});
    }
    void threeEmployers()
    {
        const int b = addFiler("22-2222222");
        const int a = addFiler("11-1111111");
        addFiler("33-3333333");
        addW2(a, "11-1111111", "333-33-3333", "O'Neil");
        addW2(a, "11-1111111", "111-11-1111", "Zoë");
        addW2(a, "11-1111111", "222-22-2222", "Lee");
        addW2(b, "22-2222222", "444-44-4444", "Other");
    }
};

} // namespace

TEST_F(PrtSelW2Test, OpensOnTheFirstEmployerWithItsW2sBySsnAndRebuildsTheW3)
{
    threeEmployers();
    PrtSelW2 &s = open();
    EXPECT_EQ(s.SSDataCombo1->count(), 3);
    EXPECT_EQ(s.SSDataCombo1->currentText(), "11-1111111");
    ASSERT_EQ(s.grdSel->rowCount(), 3);
    EXPECT_EQ(s.grdSel->text(0, 0), "111-11-1111");
    EXPECT_EQ(s.grdSel->text(2, 2), "O'Neil");
    EXPECT_EQ(state.gDatabase.scalar("SELECT count(*) FROM W3").toInt(), 2);

    s.SSDataCombo1->setCurrentIndex(1);
    s.SSDataCombo1_Click(1);
    ASSERT_EQ(s.grdSel->rowCount(), 1);
    EXPECT_EQ(s.grdSel->text(0, 2), "Other");
}

TEST_F(PrtSelW2Test, OpenedForOneEmployerListsOnlyItsRows)
{
    threeEmployers();
    addFiler("22-2222222", "2");
    PrtSelW2 &s = open("22-2222222");
    EXPECT_EQ(s.SSDataCombo1->count(), 2);
    EXPECT_EQ(s.grdSel->rowCount(), 1);
}

TEST_F(PrtSelW2Test, PrintsTheSelectionTwoToASheetAtThePaperKindsOrigin)
{
    threeEmployers();
    state.gDatabase.exec("UPDATE PrintMargins SET TopMargAdjust = 180 WHERE FormName = 'W2-M'");
    PrtSelW2 &s = open();
    s.Option3D1[2]->click();
    EXPECT_EQ(s.Text1[0]->text(), " 2");
    s.Text1[0]->setText("3");
    s.SelectAll();
    EXPECT_EQ(s.selectedKeys().size(), 3);
    dialogs.answerPrinter(true);
    s.cmdPrint[0]->click();
    EXPECT_EQ(jobs, 2);
    EXPECT_EQ(count("1500.00"), 3);
    EXPECT_EQ(state.gDatabase.scalar("SELECT TopMargAdjust FROM PrintMargins WHERE FormName = 'W2-M'").toInt(), 270);
}

TEST_F(PrtSelW2Test, NothingSelectedSaysSoAndPrintsNothing)
{
    threeEmployers();
    PrtSelW2 &s = open();
    dialogs.answerPrinter(true).answer(Answer::Ok);
    s.cmdPrint[0]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No W-2 Records were selected to be printed");
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_EQ(jobs, 0);
}

TEST_F(PrtSelW2Test, CancellingThePrinterDialogStoresTheAlignmentAndPrintsNothing)
{
    threeEmployers();
    PrtSelW2 &s = open();
    s.Text1[1]->setText("-1");
    dialogs.answerPrinter(false).answer(Answer::Ok);
    s.cmdPrint[2]->click();
    EXPECT_EQ(dialogs.calls.last().title, "Quillory Error");
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_EQ(state.gDatabase.scalar("SELECT LeftMargAdjust FROM PrintMargins WHERE FormName = 'W3'").toInt(), -90);
}

TEST_F(PrtSelW2Test, AnAlignmentThatIsNotANumberIsRefusedBeforeThePrinterDialog)
{
    threeEmployers();
    PrtSelW2 &s = open();
    s.Text1[0]->setText("2x");
    dialogs.answer(Answer::Ok);
    s.cmdPrint[0]->click();
    EXPECT_EQ(dialogs.calls.size(), 1) << "no printer dialog";
    EXPECT_EQ(state.gDatabase.scalar("SELECT TopMargAdjust FROM PrintMargins WHERE FormName = 'W2-L'").toInt(), 0);
}

TEST_F(PrtSelW2Test, SummaryButtonsPrintTheChosenEmployersW3AndTheReport)
{
    threeEmployers();
    PrtSelW2 &s = open();
    dialogs.answerPrinter(true).answerPrinter(true);
    s.cmdPrint[2]->click();
    EXPECT_EQ(count("4500.00"), 1); // box 1 total of three W-2s
    EXPECT_EQ(count("11-1111111"), 1);
    s.cmdPrint[1]->click();
    EXPECT_EQ(count("  Tax ID: 22-2222222"), 1);
    EXPECT_EQ(jobs, 2);
}

TEST_F(PrtSelW2Test, EveryRunGoesOutOnItsOwnPageWhateverPaperThePrinterDialogChose)
{
    threeEmployers();
    PrtSelW2 &s = open();
    s.SelectAll();
    const QString pdf = folder.folder() + QStringLiteral("/w2.pdf");
    s.setPrinterFactory([&](QPrinter &printer) { return std::unique_ptr<Printer>(new PaintPrinter(printer)); });
    // The user picks a printer whose paper is A4 and prints to a file.
    const auto a4 = [&](QPrinter &printer) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        SetPdfOutput(printer, pdf);
    };
    const char *letter = "612 x 792", *wide = "684 x 792", *plain = "595 x 842";
    const struct {
        int paper;
        std::function<void()> press;
        QStringList pages;
    } runs[] = {
        {0, [&] { s.cmdPrint[0]->click(); }, {letter, letter}}, {1, [&] { s.cmdPrint[0]->click(); }, {wide, wide}},
        {2, [&] { s.cmdPrint[0]->click(); }, {letter, letter}}, {1, [&] { s.cmdTestSheet->click(); }, {wide}},
        {0, [&] { s.cmdPrint[2]->click(); }, {letter}},         {0, [&] { s.cmdPrint[1]->click(); }, {plain}},
    };
    for (const auto &run : runs) {
        s.Option3D1[run.paper]->click();
        s.Text1[0]->setText(QStringLiteral("2"));
        dialogs.answerPrinter(true, a4);
        run.press();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"),
                   {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("9"), pdf});
        ASSERT_TRUE(info.waitForFinished(20000));
        QStringList pages;
        static const QRegularExpression size(QStringLiteral("Page +\\d+ size: +([\\d.]+ x [\\d.]+)"));
        for (auto it = size.globalMatch(QString::fromUtf8(info.readAllStandardOutput())); it.hasNext();)
            pages << it.next().captured(1);
        EXPECT_EQ(pages.join(", ").toStdString(), run.pages.join(", ").toStdString()) << s.paperKind().toStdString();
        if (qEnvironmentVariableIsSet("QUILLORY_KEEP_PDF"))
            QFile::copy(pdf, qEnvironmentVariable("QUILLORY_KEEP_PDF") + QString::number(&run - runs) + ".pdf");
    }
    // The test sheet used the adjustment shown and left the stored one alone.
    EXPECT_EQ(state.gDatabase.scalar(QStringLiteral("SELECT TopMargAdjust FROM PrintMargins WHERE FormName = 'W2-C'"))
                  .toInt(),
              180);
}

TEST_F(PrtSelW2Test, RetryPrintsAFailedFormAgainAndIgnoreLeavesItOut)
{
    threeEmployers();
    PrtSelW2 &s = open();
    // A printer that fails once on the first form's SSN and always on the second's.
    struct Flaky : KeptPrinter {
        using KeptPrinter::KeptPrinter;
        bool failedOnce = false;
        void draw(Twips x, Twips y, const QString &text, const PrinterFont &font) override
        {
            if ((text == "111-11-1111" && !std::exchange(failedOnce, true)) || text == "222-22-2222")
                throw PrinterError("Out of paper.");
            KeptPrinter::draw(x, y, text, font);
        }
    };
    s.setPrinterFactory([this](QPrinter &) { return std::unique_ptr<Printer>(new Flaky(this)); });
    s.SelectAll();
    dialogs.answerPrinter(true).answer(Answer::Retry).answer(Answer::Ignore);
    s.cmdPrint[0]->click();
    EXPECT_EQ(dialogs.calls[1].text, "Out of paper.");
    // The retried form printed in full, the ignored one stopped at its SSN, the third in full.
    EXPECT_EQ(count("1500.00"), 2);
    EXPECT_EQ(count("111-11-1111") + count("333-33-3333"), 2);
    EXPECT_EQ(count("222-22-2222"), 0);
    EXPECT_EQ(statuses.last(), "W2 print screen");
}

TEST_F(PrtSelW2Test, EmployeeCopiesGoOutASheetPerEmployeeAndAsOwnerOnlyPdfFilesNamedAfterThem)
{
    threeEmployers();
    addW2(2, "11-1111111", "555-55-5555", "Lee");
    PrtSelW2 &s = open();
    s.SelectAll();
    // 2001 has no drawn W-2: refused before the printer or folder dialog.
    dialogs.answer(Answer::Ok).answer(Answer::Ok);
    s.cmdCopies->click();
    s.cmdCopiesPdf->click();
    EXPECT_EQ(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[0].text.toStdString(),
              "Quillory cannot draw the W-2 of tax year 2001 on plain paper (it draws those of: 2026). Print onto the "
              "pre-printed forms instead.");
    EXPECT_TRUE(printed.isEmpty());

    folder.useTaxYear("2026");
    dialogs.answerPrinter(true);
    s.cmdCopies->click();
    EXPECT_EQ(jobs, 4);
    EXPECT_EQ(jobNames.join(", ").toStdString(), "W-2 employee copies ZOË ANN, W-2 employee copies LEE ANN, "
                                                 "W-2 employee copies O'NEIL ANN, W-2 employee copies LEE ANN");
    EXPECT_EQ(count("333-33-3333"), 4) << "the SSN whole on each of the four copies";

    const QString out = folder.folder() + "/copies";
    QDir().mkpath(out);
    dialogs.answerFolder(out).answer(Answer::Ok);
    s.cmdCopiesPdf->click();
    EXPECT_EQ(dialogs.calls.last().text.toStdString(),
              "4 PDF file(s) written to " + out.toStdString() + ", readable by you only.");
    const QStringList files = QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    EXPECT_EQ(files.join(" | ").toStdString(), "W-2 2026 LEE ANN (2).pdf | W-2 2026 LEE ANN.pdf | "
                                               "W-2 2026 O'NEIL ANN.pdf | W-2 2026 ZOË ANN.pdf");
    for (const QString &file : files) {
        EXPECT_EQ(QFile::permissions(out + '/' + file) & ~(QFile::ReadUser | QFile::WriteUser),
                  QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner))
            << file.toStdString();
        EXPECT_FALSE(file.contains(QRegularExpression("\\d{3}-?\\d{2}-?\\d{4}"))) << file.toStdString();
    }
}
