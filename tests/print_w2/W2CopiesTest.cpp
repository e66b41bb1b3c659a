#include "print_w2/W2Copies.h"
#include "data/RecordSet.h"
#include "printing/CopiesPdf.h"
#include "printing/CopySheets.h"
#include "support/PdfText.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace quillory;
using namespace quillory::test;

namespace {

// A box of the 2026 W-2 (fw2.pdf, Copy B page) in inches from the page's corner, its caption as
// printed there, and the values the W-2 below puts in it.
struct Box {
    const char *caption;
    double left, top, right, bottom;
    QStringList values;
};

} // namespace

// One employee's copies saved as a PDF and read back: the four copies with every box, caption and
// value where the 2026 form has them, each copy's legend, and the instructions after them.
TEST(W2Copies, TheSavedSheetHasEveryBoxOfThe2026FormWithItsValueOnEachCopy)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    test::TestFolder folder("2026");
    Database db;
    db.open(folder.databasePath());
    db.exec("INSERT INTO W2 (Boxd, Boxb, Boxc_L1, Boxc_L2, Boxc_L3, Boxc_L4, Boxa, Boxe_FName, Boxe_LName, Boxf_L1, "
            "Boxf_L2, Boxf_L3, Box1, Box2, Box3, Box4, Box5, Box6, Box7, Box8, Box10, Box11, Box12a_Code, Box12a_Amt, "
            "Box12b_Code, Box12b_Amt, Box12c_Code, Box12c_Amt, Box12d_Code, Box12d_Amt, Box13a, Box13b, Box13c, "
            "Box14_L1, Box14_L2, Box14_L3, Box14b_L1, Box14b_L2, Box15a_L1, Box15a_L2, Box15b_L1, Box15b_L2, "
            "Box16_L1, Box16_L2, Box17_L1, Box17_L2, Box18_L1, Box18_L2, Box19_L1, Box19_L2, Box20_L1, Box20_L2) "
            "VALUES ('123456789', '12-3456789', 'ACMECO', 'SUITE9', 'BALTIMORE', 'MD21201', 'CTL77', 'MARY', "
            "'O''NEIL', '9ELMST', 'SPRINGFIELD', 'IL62701', 10010100, 20020200, 30030300, 40040400, 50050500, "
            "60060600, 70070700, 80080800, 100101000, 110111100, 'D', 121212000, 'DD', 121313000, 'W', 121414000, "
            "'TP', 121515000, -1, -1, -1, 'UNION12', 'SDI34', 'HEALTH56', '101', '202', 'MD', 'VA', 'MD-555', "
            "'VA-666', 16161600, 16171700, 17171700, 17181800, 18181800, 18191900, 19191900, 19202000, 'BALT', "
            "'RICH')");
    const qlonglong id = db.scalar("SELECT max(id) FROM W2").toLongLong();
    const QStringList files = SaveCopiesAsPdf(db, W2Copies(), {id}, folder.folder());
    ASSERT_EQ(files.size(), 1);
    if (qEnvironmentVariableIsSet("QUILLORY_KEEP_PDF"))
        QFile::copy(files[0], qEnvironmentVariable("QUILLORY_KEEP_PDF") + "copies.pdf");

    QVector<PdfWord> words;
    QVector<PdfLine> lines;
    int pages = 0;
    readPdf(files[0], words, lines, pages);
    EXPECT_EQ(pages, 2) << "the sheet of copies and a page of instructions";

    // Box 13 stands its three check boxes one above the other, taking the top sixth of an inch
    // of box 14a, and Suff. takes 1/20 in from Last name; every other box is where the form has it.
    const Box boxes[] = {
        {"a Employee’s social security number", 2.128, 0.5, 3.872, 0.833, {"123-45-6789"}},
        {"b Employer identification number (EIN)", 0.5, 0.833, 4.6, 1.167, {"12-3456789"}},
        {"c Employer’s name, address, and ZIP code",
         0.5,
         1.167,
         4.6,
         2.167,
         {"ACMECO", "SUITE9", "BALTIMORE", "MD21201"}},
        {"d Control number", 0.5, 2.167, 4.6, 2.5, {"CTL77"}},
        {"e Employee’s first name and initial", 0.5, 2.5, 2.4, 2.833, {"MARY"}},
        {"Last name", 2.4, 2.5, 4.3, 2.833, {"O'NEIL"}},
        {"Suff.", 4.25, 2.5, 4.6, 2.833, {}},
        {"f Employee’s address and ZIP code", 0.5, 2.833, 4.6, 4.0, {"9ELMST", "SPRINGFIELD", "IL62701"}},
        {"1 Wages, tips, other compensation", 4.6, 0.833, 6.3, 1.167, {"1001.01"}},
        {"2 Federal income tax withheld", 6.3, 0.833, 8.0, 1.167, {"2002.02"}},
        {"3 Social security wages", 4.6, 1.167, 6.3, 1.5, {"3003.03"}},
        {"4 Social security tax withheld", 6.3, 1.167, 8.0, 1.5, {"4004.04"}},
        {"5 Medicare wages and tips", 4.6, 1.5, 6.3, 1.833, {"5005.05"}},
        {"6 Medicare tax withheld", 6.3, 1.5, 8.0, 1.833, {"6006.06"}},
        {"7 Social security tips", 4.6, 1.833, 6.3, 2.167, {"7007.07"}},
        {"8 Allocated tips", 6.3, 1.833, 8.0, 2.167, {"8008.08"}},
        {"9", 4.6, 2.167, 6.3, 2.333, {}},
        {"10 Dependent care benefits", 6.3, 2.167, 8.0, 2.5, {"10010.10"}},
        {"11 Nonqualified plans", 4.6, 2.333, 6.3, 2.667, {"11011.11"}},
        {"12a See instructions for box 12 Code", 6.3, 2.5, 8.0, 2.833, {"D", "12121.20"}},
        {"12b Code", 6.3, 2.833, 8.0, 3.167, {"DD", "12131.30"}},
        {"12c Code", 6.3, 3.167, 8.0, 3.5, {"W", "12141.40"}},
        {"12d Code", 6.3, 3.5, 8.0, 3.833, {"TP", "12151.50"}},
        {"13 Statutory employee Retirement plan Third-party sick pay", 4.6, 2.667, 6.3, 3.167, {"X", "X", "X"}},
        {"14a Other", 4.6, 3.167, 6.3, 3.667, {"UNION12", "SDI34", "HEALTH56"}},
        {"14b Treasury Tipped Occupation Code(s)", 4.6, 3.667, 6.3, 4.0, {"101", "202"}},
        {"15 State Employer’s state ID number", 0.5, 4.0, 2.7, 4.667, {"MD", "VA", "MD-555", "VA-666"}},
        {"16 State wages, tips, etc.", 2.7, 4.0, 3.9, 4.667, {"1616.16", "1617.17"}},
        {"17 State income tax", 3.9, 4.0, 5.0, 4.667, {"1717.17", "1718.18"}},
        {"18 Local wages, tips, etc.", 5.0, 4.0, 6.2, 4.667, {"1818.18", "1819.19"}},
        {"19 Local income tax", 6.2, 4.0, 7.3, 4.667, {"1919.19", "1920.20"}},
        {"20 Locality name", 7.3, 4.0, 8.0, 4.667, {"BALT", "RICH"}},
    };
    const QString legends[4] = {
        "Copy B—To Be Filed With Employee’s FEDERAL Tax Return. This information is being furnished to the Internal "
        "Revenue Service.",
        "Copy C—For EMPLOYEE’S RECORDS",
        "Copy 2—To Be Filed With Employee’s State, City, or Local Income Tax Return",
        "Copy 2—To Be Filed With Employee’s State, City, or Local Income Tax Return",
    };
    for (int copy = 0; copy < 4; ++copy) {
        SCOPED_TRACE("copy " + std::to_string(copy + 1));
        // Two rows of two on the Letter sheet; each copy at half the form's width, 1/4 in in.
        const QPointF quarter((copy % 2) * 306.0, (copy / 2) * 396.0);
        const auto onCopy = [&](double x, double y) {
            return quarter + QPointF((0.25 + (x - 0.5) / 2) * 72, (0.25 + (y - 0.5)) * 72);
        };
        for (const Box &box : boxes) {
            const QRectF area = QRectF(onCopy(box.left, box.top), onCopy(box.right, box.bottom)).adjusted(-1, -1, 1, 1);
            QStringList inside = wordsInside(words, 1, area);
            for (const QString &word : QString(box.caption).split(' '))
                EXPECT_TRUE(inside.contains(word)) << box.caption << ": caption word " << word.toStdString();
            for (const QString &value : box.values) {
                EXPECT_TRUE(inside.removeOne(value)) << box.caption << ": " << value.toStdString() << " not inside";
            }
        }
        QString text;
        const QRectF area(quarter, QSizeF(306, 396));
        for (const PdfLine &line : lines)
            if (line.page == 1 && area.contains(line.at))
                text += line.text + ' ';
        for (const QString &other : legends)
            EXPECT_EQ(text.contains(other), other == legends[copy]) << other.toStdString();
        for (const QString &once : {legends[copy], QString("OMB No. 1545-0029"), QString("Wage and Tax Statement"),
                                    QString("2026"), QString("Department of the Treasury—Internal Revenue Service")})
            EXPECT_EQ(text.count(once), 1) << once.toStdString() << " in: " << text.toStdString();
        EXPECT_FALSE(text.contains("Copy A"));
    }
    QString all, instructions;
    for (const PdfLine &line : lines) {
        all += line.text + ' ';
        if (line.page == 2)
            instructions += line.text + ' ';
    }
    EXPECT_FALSE(all.contains("Copy A")) << "nothing that could pass for the SSA's copy";
    for (const char *heading : {"Notice to Employee", "Instructions for Employee"})
        EXPECT_EQ(instructions.count(heading), 1) << heading;
    EXPECT_TRUE(all.contains("Note: Keep Copy C of Form W-2 for at least 3 years")) << "the last paragraph";
}
