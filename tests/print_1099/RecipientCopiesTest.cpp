#include "print_1099/RecipientCopies.h"
#include "data/Database.h"
#include "printing/CopiesPdf.h"
#include "printing/CopySheets.h"
#include "support/PdfText.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace quillory;
using namespace quillory::test;

namespace {

// A box of a 2026 form's Copy B page (f1099nec-2026.pdf, f1099msc-2026.pdf, Rev. December 2026)
// in inches from the page's corner, its number and caption as printed there, and the words of the
// values the return below puts in it.
struct Box {
    const char *caption;
    double left, top, right, bottom;
    QStringList values;
};

// The payer's and recipient's boxes, the same on both forms down to the recipient's TIN; the
// MISC form's recipient rows start 1/12 in higher.
QVector<Box> people(double shift)
{
    return {{"PAYER’S name", 0.7, 0.5, 4.1, 1.0, {"ACME", "SUPPLY"}},
            {"Street address", 0.7, 1.0, 2.9, 1.333, {"100", "MAIN", "ST"}},
            {"Room or suite no.", 2.9, 1.0, 4.1, 1.333, {"SUITE", "9"}},
            {"City or town", 0.7, 1.333, 2.9, 1.667, {"BALTIMORE"}},
            {"Telephone number", 2.9, 1.333, 4.1, 1.667, {"410-555-0100"}},
            {"State or province", 0.7, 1.667, 2.4, 2.0, {"MD"}},
            {"Country", 2.4, 1.667, 2.9, 2.0, {}},
            {"ZIP or foreign postal code", 2.9, 1.667, 4.1, 2.0, {"21201"}},
            {"PAYER’S TIN", 0.7, 2.0, 2.4, 2.5 - shift, {"12-3456789"}},
            {"RECIPIENT’S name", 0.7, 2.5 - shift, 4.1, 3.0 - shift, {"MARY", "O'NEIL", "DBA", "ONEIL", "DESIGN"}},
            {"Street address", 0.7, 3.0 - shift, 3.4, 3.333, {"9", "ELM", "ST"}},
            {"Apt. no.", 3.4, 3.0 - shift, 4.1, 3.333, {}},
            {"City or town", 0.7, 3.333, 4.1, 3.667, {"SPRINGFIELD"}},
            {"State or province", 0.7, 3.667, 2.4, 4.0, {"IL"}},
            {"Country", 2.4, 3.667, 2.9, 4.0, {}},
            {"ZIP or foreign postal code", 2.9, 3.667, 4.1, 4.0, {"62701"}},
            {"Account number (see instructions)", 0.7, 4.5, 4.1, 5.0, {"ACCT-77"}}};
}

struct FormCase {
    RecipientForm form;
    const char *table, *columns, *values;
    const char *omb, *title, *shownTin, *fullTin, *file;
    QVector<Box> boxes;
    int copies; // Copy B, and Copy 2 where a state line is filled
};

const char *const kPeople = "CorrectedFlag, Tfid, PayerName, PayerL1, PayerL2, PayerL3, FedIDNo, RecName1, RecName2, "
                            "RecAddr, RecCityStZip, AcctNo, RecIDNo, ";
const char *const kPeopleValues = "-1, ?, 'ACME SUPPLY', '100 MAIN ST', 'SUITE 9', 'BALTIMORE, MD 21201', "
                                  "'12-3456789', 'MARY O''NEIL', 'DBA ONEIL DESIGN', '9 ELM ST', "
                                  "'SPRINGFIELD, IL 62701', 'ACCT-77', ";

} // namespace

// Each form's recipient copies saved as a PDF and read back: every box with its caption and value
// where the 2026 form has it, the recipient's TIN truncated and the payer's whole, each copy's
// legends once, nothing of Copy A, and the instructions after the copies.
TEST(RecipientCopies, TheSavedCopiesHaveEveryBoxOfThe2026FormWithItsValue)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QVector<Box> nec = people(0);
    nec += {{"OMB No. 1545-0116 Form 1099-NEC (Rev. December 2026) For calendar year", 5.5, 0.5, 6.5, 1.5, {"2026"}},
            {"RECIPIENT’S TIN", 2.4, 2.0, 4.1, 2.5, {"***-**-6789"}},
            {"1a Nonemployee compensation", 4.1, 1.5, 6.9, 2.0, {"1001.01"}},
            {"1b Cash tips", 4.1, 2.0, 5.5, 2.5, {"2002.02"}},
            {"1c TTOC", 5.5, 2.0, 6.9, 2.5, {"101", "202"}},
            {"1d Overtime compensation", 4.1, 2.5, 6.9, 3.0, {"3003.03"}},
            {"2 Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale",
             4.1,
             3.0,
             6.9,
             3.5,
             {"X"}},
            {"3 Excess golden parachute payments", 4.1, 3.5, 6.9, 4.0, {"4004.04"}},
            {"4 Federal income tax withheld", 4.1, 4.0, 6.9, 4.5, {"5005.05"}},
            {"5 State tax withheld", 4.1, 4.5, 5.5, 5.0, {"6006.06", "6007.07"}},
            {"6 State/Payer’s state no.", 5.5, 4.5, 6.9, 5.0, {"MD", "MD-555", "VA", "VA-666"}},
            {"7 State income", 6.9, 4.5, 8.0, 5.0, {"7007.07", "7008.08"}}};
    QVector<Box> misc = people(1.0 / 12);
    misc += {{"OMB No. 1545-0115 Form 1099-MISC (Rev. December 2026) For calendar year", 5.5, 0.5, 6.5, 1.5, {"2026"}},
             {"RECIPIENT’S TIN", 2.4, 2.0, 4.1, 2.417, {"**-***4321"}},
             {"FATCA filing requirement", 3.4, 4.0, 4.1, 4.5, {"X"}},
             {"1 Rents", 4.1, 0.5, 5.5, 1.0, {"101.01"}},
             {"2 Royalties", 4.1, 1.0, 5.5, 1.5, {"202.02"}},
             {"3 Other income", 4.1, 1.5, 5.5, 2.0, {"303.03"}},
             {"4 Federal income tax withheld", 5.5, 1.5, 6.9, 2.0, {"404.04"}},
             {"5 Fishing boat proceeds", 4.1, 2.0, 5.5, 2.417, {"505.05"}},
             {"6 Medical and health care payments", 5.5, 2.0, 6.9, 2.417, {"606.06"}},
             {"7 Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale",
              4.1,
              2.417,
              5.5,
              2.917,
              {"X"}},
             {"8 Substitute payments in lieu of dividends or interest", 5.5, 2.417, 6.9, 2.917, {"808.08"}},
             {"9 Crop insurance proceeds", 4.1, 2.917, 5.5, 3.333, {"909.09"}},
             {"10 Gross proceeds paid to an attorney", 5.5, 2.917, 6.9, 3.333, {"1010.10"}},
             {"11 Fish purchased for resale", 4.1, 3.333, 5.5, 3.667, {"1111.11"}},
             {"12 Section 409A deferrals", 5.5, 3.333, 6.9, 3.667, {"1212.12"}},
             {"13a Cash tips", 4.1, 3.667, 5.5, 4.0, {"1313.13"}},
             {"13b TTOC", 5.5, 3.667, 6.9, 4.0, {"000"}},
             {"14 Overtime compensation", 4.1, 4.0, 5.5, 4.5, {"1414.14"}},
             {"15 Nonqualified deferred compensation", 5.5, 4.0, 6.9, 4.5, {"1515.15"}},
             {"16 State tax withheld", 4.1, 4.5, 5.5, 5.0, {}},
             {"17 State/Payer’s state no.", 5.5, 4.5, 6.9, 5.0, {}},
             {"18 State income", 6.9, 4.5, 8.0, 5.0, {}}};
    const FormCase cases[] = {
        {RecipientForm::Nec, "1099Nec",
         "NonemployeeComp, CashTips, TipCode1, TipCode2, Overtime, DirectSales, GoldenParachute, FedTaxWithheld, "
         "StateTax_L1, StateTax_L2, State_L1, StateNo_L1, State_L2, StateNo_L2, StateIncome_L1, StateIncome_L2",
         "'123-45-6789', 10010100, 20020200, '101', '202', 30030300, -1, 40040400, 50050500, 60060600, 60070700, "
         "'MD', 'MD-555', 'VA', 'VA-666', 70070700, 70080800",
         "OMB No. 1545-0116", "Nonemployee Compensation", "***-**-6789", "123-45-6789", "1099-NEC 2026 MARY O'NEIL.pdf",
         nec, 2},
        {RecipientForm::Misc, "1099Misc",
         "Box1, Box2, Box3, Box4, Box5, Box6, Box9, Box8, Box10, Box14, FishPurchased, Deferrals409A, CashTips, "
         "TipCode1, Fatca, Overtime, NqDeferredComp",
         "'98-7654321', 1010100, 2020200, 3030300, 4040400, 5050500, 6060600, -1, 8080800, 9090900, 10101000, "
         "11111100, 12121200, 13131300, '000', -1, 14141400, 15151500",
         "OMB No. 1545-0115", "Miscellaneous Information", "**-***4321", "98-7654321", "1099-MISC 2026 MARY O'NEIL.pdf",
         misc, 1},
    };
    for (const FormCase &c : cases) {
        SCOPED_TRACE(c.table);
        TestFolder folder("2026");
        Database db;
        db.open(folder.databasePath());
        db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName, Phone) VALUES ('12-3456789', 'ACME SUPPLY', "
                "'410-555-0100')");
        db.exec(QString("INSERT INTO \"%1\" (%2%3) VALUES (%4%5)")
                    .arg(c.table, kPeople, c.columns, kPeopleValues, c.values),
                {db.scalar("SELECT max(Tfid) FROM FilerInfo")});
        const qlonglong key = db.scalar(QString("SELECT max(Counter) FROM \"%1\"").arg(c.table)).toLongLong();
        const QStringList files = SaveCopiesAsPdf(db, RecipientCopies(c.form), {key}, folder.folder());
        ASSERT_EQ(files.size(), 1);
        EXPECT_EQ(QFileInfo(files[0]).fileName().toStdString(), c.file) << "named after the person, never the TIN";
        if (qEnvironmentVariableIsSet("QUILLORY_KEEP_PDF"))
            QFile::copy(files[0], qEnvironmentVariable("QUILLORY_KEEP_PDF") + c.table + ".pdf");

        QVector<PdfWord> words;
        QVector<PdfLine> lines;
        int pages = 0;
        readPdf(files[0], words, lines, pages);
        EXPECT_EQ(pages, 2) << "the sheet of copies and a page of instructions";
        const QString legends[2][3] = {
            {"Copy B", "For Recipient",
             "This is important tax information and is being furnished to the IRS. If you are required to file a "
             "return, a negligence penalty or other sanction may be imposed on you if this income is taxable and the "
             "IRS determines that it has not been reported."},
            {"Copy 2", "To be filed with recipient’s state income tax return, when required.", ""}};
        for (int copy = 0; copy < 2; ++copy) {
            SCOPED_TRACE("copy " + std::to_string(copy + 1));
            // Copy B above Copy 2, each at full size and 1/12 in higher than on the form's page.
            const auto onCopy = [&](double x, double y) { return QPointF(x * 72, (y - 1.0 / 12) * 72 + copy * 396); };
            QString text;
            for (const PdfLine &line : lines)
                if (line.page == 1 && QRectF(0, copy * 396, 612, 396).contains(line.at))
                    text += line.text + ' ';
            if (copy >= c.copies) {
                EXPECT_TRUE(text.isEmpty()) << "no state line, no Copy 2: " << text.toStdString();
                continue;
            }
            for (const Box &box : c.boxes) {
                const QRectF area =
                    QRectF(onCopy(box.left, box.top), onCopy(box.right, box.bottom)).adjusted(-1, -1, 1, 1);
                QStringList inside = wordsInside(words, 1, area);
                for (const QString &word : QString(box.caption).split(' '))
                    EXPECT_TRUE(inside.contains(word)) << box.caption << ": caption word " << word.toStdString();
                for (const QString &value : box.values)
                    EXPECT_TRUE(inside.removeOne(value)) << box.caption << ": " << value.toStdString() << " not inside";
            }
            // The form's name and the copy's legends stand in the right-hand column, one above the other.
            const QString column = wordsInside(words, 1, QRectF(onCopy(6.8, 0.5), onCopy(8.5, 4.5))).join(' ');
            EXPECT_EQ(column.count(c.title), 1) << column.toStdString();
            for (int other = 0; other < 2; ++other) {
                for (const QString &legend : legends[other]) {
                    if (legend.isEmpty())
                        continue;
                    EXPECT_EQ(column.count(legend), other == copy ? 1 : 0) << legend.toStdString();
                }
            }
            for (const QString &once :
                 {QString(c.omb), QString("Department of the Treasury - Internal Revenue Service")})
                EXPECT_EQ(text.count(once), 1) << once.toStdString() << " in: " << text.toStdString();
        }
        QString all;
        for (const PdfLine &line : lines)
            all += line.text + ' ';
        EXPECT_EQ(all.count(c.shownTin), c.copies);
        EXPECT_FALSE(all.contains(c.fullTin)) << "the recipient's TIN whole nowhere";
        for (const char *copyA : {"Copy A", "Internal Revenue Service Center", "Copy 1"})
            EXPECT_FALSE(all.contains(copyA)) << copyA;
        EXPECT_EQ(all.count("Instructions for Recipient"), 1);
        EXPECT_TRUE(all.contains("payment options.")) << "the last paragraph";
    }
}
