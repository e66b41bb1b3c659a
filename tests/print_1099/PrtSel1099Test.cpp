#include "print_1099/PrtSel1099.h"
#include "printing/FormLayout.h"
#include "support/PrintScreenFixture.h"

#include <QComboBox>
#include <QDir>

using namespace quillory;
using Answer = Dialogs::Answer;

namespace {

class PrtSel1099Test : public test::PrintScreenTest<PrtSel1099> {
protected:
    void add1099(int tfid, const QString &payer, const QString &recId, const QString &name)
    {
        state.gDatabase.exec(QStringLiteral("INSERT INTO \"1099Misc\" (Tfid, FedIDNo, RecIDNo, RecName1, Box7) "
                                            "VALUES (?, ?, ?, ?, 25000000)"),
                             {tfid, payer, recId, name});
    }
};

} // namespace

TEST_F(PrtSel1099Test, OpensWithThePayersRecordsAndReportsPayersWithoutAFiler)
{
    const int tfid = addFiler("11-1111111");
    add1099(tfid, "11-1111111", "333-33-3333", "C");
    add1099(tfid, "11-1111111", "111-11-1111", "A");
    add1099(4242, "99-9999999", "555-55-5555", "Orphan");
    dialogs.answer(Answer::Ok);
    PrtSel1099 &s = open();
    EXPECT_EQ(dialogs.calls[0].text, "No 1099's for this Tax Payer");
    ASSERT_EQ(s.grdSel->rowCount(), 2);
    EXPECT_EQ(s.grdSel->text(0, 1), "A");
    EXPECT_EQ(state.gDatabase.scalar("SELECT count(*) FROM \"1096\"").toInt(), 1);
    EXPECT_EQ(s.paperKind(), "1099-L");
}

TEST_F(PrtSel1099Test, PrintsTheSelectedFormsOnMailersAndSaysWhenNoneIsSelected)
{
    const int tfid = addFiler("11-1111111");
    add1099(tfid, "11-1111111", "111-11-1111", "A");
    PrtSel1099 &s = open();
    dialogs.answerPrinter(true).answer(Answer::Ok);
    s.cmdPrint[0]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No 1099 Records were selected to be printed");
    EXPECT_TRUE(printed.isEmpty());

    s.Option3D1[2]->click();
    EXPECT_EQ(s.paperKind(), "1099-M");
    s.SelectAll();
    dialogs.answerPrinter(true);
    s.cmdPrint[0]->click();
    EXPECT_EQ(jobs, 1);
    const FormOrigin origin = GetFormOrigin(state.gDatabase, "1099-M");
    const FieldLayout layout = OpenFieldLayout(state.gDatabase, "1099-MISC", 0);
    const LayoutField *box7 = layout.find("Box7");
    bool found = false;
    for (const auto &p : printed)
        found = found || (p.text == "2500.00" && p.y == origin.top + box7->yPos1);
    EXPECT_TRUE(found);
}

TEST_F(PrtSel1099Test, The1096FormPrintsThePayerShown)
{
    const int tfid = addFiler("123-45-6789");
    add1099(tfid, "123-45-6789", "111-11-1111", "A");
    PrtSel1099 &s = open();
    dialogs.answerPrinter(true);
    s.cmdPrint[2]->click();
    EXPECT_EQ(count("123-45-6789"), 1);
    EXPECT_EQ(count("2500.00"), 1);
    EXPECT_EQ(count("X"), 1);
}

// From 2025 the screen offers the 1099-NEC: its records, its paper kinds with their own
// alignment, its test sheet and its own 1096. A 2001 database offers no choice.
TEST_F(PrtSel1099Test, FromTaxYear2025TheFormTypeChoosesTheReturnsPaperAnd1096)
{
    EXPECT_EQ(open().fraFormType, nullptr);
    state.gDatabase.exec("UPDATE Settings SET Year = '2026'");
    const int tfid = addFiler("11-1111111");
    add1099(tfid, "11-1111111", "111-11-1111", "MISC RECIPIENT");
    state.gDatabase.exec("INSERT INTO \"1099Nec\" (Tfid, FedIDNo, RecIDNo, RecName1, NonemployeeComp) "
                         "VALUES (?, '11-1111111', '222-22-2222', 'NEC RECIPIENT', 300000000)",
                         {tfid});
    state.gDatabase.exec("UPDATE PrintMargins SET TopMargAdjust = 270 WHERE FormName = 'NEC-C'");
    PrtSel1099 &s = open();
    ASSERT_NE(s.fraFormType, nullptr);
    EXPECT_EQ(s.grdSel->text(0, 1), "MISC RECIPIENT");
    s.optFormType[1]->click();
    ASSERT_EQ(s.grdSel->rowCount(), 1);
    EXPECT_EQ(s.grdSel->text(0, 1), "NEC RECIPIENT");
    s.Option3D1[1]->click();
    EXPECT_EQ(s.paperKind(), "NEC-C");
    EXPECT_EQ(s.Text1[0]->text().trimmed(), "3"); // 3/16 in

    s.SelectAll();
    dialogs.answerPrinter(true).answerPrinter(true).answerPrinter(true);
    s.cmdPrint[0]->click();
    s.cmdPrint[2]->click();
    s.cmdTestSheet->click();
    EXPECT_EQ(jobNames, (QStringList{"1099-NEC 11-1111111 sheet 1 of 1", "1096 1099-NEC 11-1111111",
                                     "1099-NEC test sheet NEC-C"}));
    EXPECT_EQ(count("30000.00"), 2); // box 1a, and box 5 of the 1096
    EXPECT_EQ(count("2500.00"), 0);  // the 1099-MISC's box 7 is on neither
}

TEST_F(PrtSel1099Test, RecipientCopiesGoOutASheetPerRecipientAndAsPdfFilesOfTheChosenForm)
{
    const int tfid = addFiler("11-1111111");
    add1099(tfid, "11-1111111", "333-33-3333", "ZOE");
    add1099(tfid, "11-1111111", "111-11-1111", "LEE");
    state.gDatabase.exec("INSERT INTO \"1099Nec\" (Tfid, FedIDNo, RecIDNo, RecName1, NonemployeeComp) VALUES (?, "
                         "'11-1111111', '22-2222222', 'NEC CO', 10000000)",
                         {tfid});
    folder.useTaxYear("2026");
    PrtSel1099 &s = open();
    s.SelectAll();
    dialogs.answerPrinter(true);
    s.cmdCopies->click();
    EXPECT_EQ(jobNames.join(", ").toStdString(), "1099-MISC recipient copies LEE, 1099-MISC recipient copies ZOE");
    EXPECT_EQ(count("***-**-1111"), 1);
    EXPECT_EQ(count("111-11-1111"), 0) << "the recipient's TIN whole on no copy";

    s.optFormType[1]->click();
    s.SelectAll();
    const QString out = folder.folder() + "/copies";
    QDir().mkpath(out);
    dialogs.answerFolder(out).answer(Answer::Ok);
    s.cmdCopiesPdf->click();
    EXPECT_EQ(dialogs.calls.last().text.toStdString(),
              "1 PDF file(s) written to " + out.toStdString() + ", readable by you only.");
    const QStringList files = QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    EXPECT_EQ(files.join(" | ").toStdString(), "1099-NEC 2026 NEC CO.pdf");
}
