#include "filers/FilerInfo.h"
#include "support/RecordScreenFixture.h"

#include "filers/FilerChecks.h"
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace quillory;
using namespace quillory::test;
using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

namespace {

class FilerScreen : public RecordScreenFixture<FilerInfo> {
protected:
    QString stored(const QString &column, int tfid)
    {
        return scalar(QString("SELECT %1 FROM FilerInfo WHERE Tfid = ?").arg(column), {tfid}).toString();
    }
    int filerCount() { return scalar("SELECT count(*) FROM FilerInfo").toInt(); }
    void clickListRow(int row)
    {
        RecordGrid *grid = screen->listGrid();
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

} // namespace

TEST_F(FilerScreen, AnEmptyTableOpensAddingAndTheFirstSaveCountsOne)
{
    dialogs.answer(Answer::Ok);
    FilerInfo &f = openScreen();
    EXPECT_EQ(dialogs.texts(), QStringList{"This is the first employer entered.\rOpening screen in edit mode."});
    EXPECT_TRUE(f.isAdding());
    EXPECT_EQ(f.windowTitle(), "Employer Information - Initial Employer");

    dialogs.answer(Answer::Yes); // the employer-number question on leaving the field
    type(f.Text1[0], "12-3456789");
    type(f.Text1[1], "o'neil & sons");
    type(f.Text1[2], "1 main st");
    type(f.Text1[3], "springfield");
    f.cmdEdit[2]->click();

    EXPECT_EQ(f.windowTitle(), "Employer Information - Employer 1 of 1");
    EXPECT_EQ(stored("PayerName", state.chosenFiler.tfid), "O'NEIL & SONS");
    EXPECT_EQ(stored("FilerType", state.chosenFiler.tfid), "941");
    EXPECT_EQ(stored("AppliedFor", state.chosenFiler.tfid), "0");
    EXPECT_EQ(state.chosenFiler.fedIdNo, "12-3456789");
}

TEST_F(FilerScreen, ASecondFilerWithAStoredNumberIsRefused)
{
    addFiler("11-1111111", "A", "0001");
    FilerInfo &f = openScreen();
    f.cmdEdit[0]->click();
    EXPECT_EQ(QApplication::focusWidget(), f.Text1[0]);

    dialogs.answer(Answer::Yes);
    type(f.Text1[0], "11-1111111");
    type(f.Text1[9], "0002");
    type(f.Text1[1], "other");
    type(f.Text1[2], "street");
    type(f.Text1[3], "town");
    dialogs.answer(Answer::Ok);
    f.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "FedID already exists");
    EXPECT_EQ(filerCount(), 1);
    EXPECT_TRUE(f.isAdding());
    EXPECT_EQ(f.Text1[1]->text(), "OTHER") << "the typed entries stay";

    f.cmdEdit[1]->click();
    type(f.Text1[0], "22-2222222");
    dialogs.answer(Answer::Yes); // Save leaves the number field first
    f.cmdEdit[2]->click();
    EXPECT_EQ(f.windowTitle(), "Employer Information - Employer 2 of 2");
    EXPECT_EQ(stored("EstNo", state.chosenFiler.tfid), "0002");
}

TEST_F(FilerScreen, DeleteIsRefusedWhileReturnsNameTheFiler)
{
    addFiler("11-1111111", "A");
    addFiler("22-2222222", "B");
    state.gDatabase.exec("INSERT INTO \"1099Misc\" (FedIDNo, Tfid) VALUES ('11-1111111', 1)");
    state.gDatabase.exec("INSERT INTO W2 (Boxb, Tfid) VALUES ('22-2222222', 2)");
    addFiler("33-3333333", "C");
    state.gDatabase.exec("INSERT INTO \"1099Nec\" (FedIDNo, Tfid) VALUES ('33-3333333', 3)");
    FilerInfo &f = openScreen();
    for (int i = 0; i < 3; ++i) {
        dialogs.answer(Answer::Yes).answer(Answer::Ok);
        f.cmdEdit[4]->click();
        EXPECT_EQ(dialogs.calls.last().text, "Employee records found!\rEmployer cannot be deleted");
        EXPECT_EQ(filerCount(), 3);
        f.cmdMove[1]->click();
    }
}

TEST_F(FilerScreen, AListPickShowsThatFilerAndMovesGoOnFromIt)
{
    addFiler("11-1111111", "A");
    addFiler("22-2222222", "O'NEIL & SONS", "");
    addFiler("33-3333333", "C", "0003");
    addFiler("44-4444444", "D");
    FilerInfo &f = openScreen();
    f.cmdEdit[5]->click();
    EXPECT_FALSE(f.Text1[0]->isEnabled());
    clickListRow(1);
    EXPECT_FALSE(f.listGrid()->isVisible());
    EXPECT_EQ(f.windowTitle(), "Employer information - record 2 of 4");
    EXPECT_EQ(f.Text1[1]->text(), "O'NEIL & SONS");
    EXPECT_TRUE(f.Text1[0]->isEnabled());

    f.cmdMove[1]->click();
    EXPECT_EQ(f.windowTitle(), "Employer Information - Employer 3 of 4");
    EXPECT_EQ(f.Text1[9]->text(), "0003");
}

TEST_F(FilerScreen, AppliedForHoldsAfInALockedNumberField)
{
    const int a = addFiler("", "A");
    FilerInfo &f = openScreen();
    f.Check3D1->click();
    EXPECT_EQ(f.Text1[0]->text(), "AF");
    EXPECT_FALSE(f.Text1[0]->isEnabled());
    EXPECT_TRUE(editing());
    f.cmdEdit[2]->click();
    EXPECT_EQ(stored("FedIDNo", a), "AF");
    EXPECT_EQ(stored("AppliedFor", a), "-1");
    f.Check3D1->click();
    EXPECT_TRUE(f.Text1[0]->isEnabled());
}

TEST_F(FilerScreen, LeavingTheNumberFieldQuestionsItsForm)
{
    addFiler("11-1111111", "A");
    FilerInfo &f = openScreen();
    auto leaveWith = [&](const QString &text) {
        dialogs.calls.clear();
        f.Text1[0]->setFocus();
        f.Text1[0]->setText(text);
        leaveTo(f.Text1[1]);
        QApplication::processEvents();
    };

    dialogs.answer(Answer::Ok);
    leaveWith("123456789");
    EXPECT_EQ(dialogs.texts(), QStringList{"You have entered an incorrect Employer ID No\r\nEnter a SSN as "
                                           "999-99-9999 or an FEIN as 99-9999999"});
    EXPECT_EQ(f.Text1[0]->selectedText(), "123456789") << "back in the field, selected";

    dialogs.answer(Answer::Yes);
    leaveWith("12-3456789");
    EXPECT_EQ(dialogs.texts(), QStringList{"You have entered a Company FEIN Number"});
    EXPECT_EQ(QApplication::focusWidget(), f.Text1[1]);

    dialogs.answer(Answer::No).answer(Answer::Ok);
    leaveWith("123-45-6789");
    EXPECT_EQ(dialogs.texts(), QStringList({"You have entered a Social Security Number",
                                            "If you are entering an FEIN, please enter as 99-9999999"}));
    EXPECT_EQ(QApplication::focusWidget(), f.Text1[0]);

    leaveWith("1-2-3-4");
    leaveWith("");
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(FilerScreen, AButtonClickLeavesTheFieldBeingTypedInFirst)
{
    const int a = addFiler("11-1111111", "A");
    FilerInfo &f = openScreen();
    type(f.Text1[0], "123456789");
    dialogs.answer(Answer::Ok);
    f.cmdEdit[2]->click();
    QApplication::processEvents();
    EXPECT_EQ(stored("FedIDNo", a), "11-1111111") << "the click is dropped";
    EXPECT_EQ(QApplication::focusWidget(), f.Text1[0]);

    f.Text1[0]->setText("11-1111112");
    dialogs.answer(Answer::Yes);
    f.cmdEdit[2]->click();
    EXPECT_EQ(stored("FedIDNo", a), "11-1111112");
    EXPECT_TRUE(browsing());
}

TEST_F(FilerScreen, StateCodesTakeLettersAndAreLookedUp)
{
    addFiler("11-1111111", "A");
    FilerInfo &f = openScreen();
    type(f.Text1[7], "m1d ");
    EXPECT_EQ(f.Text1[7]->text(), "MD");
    EXPECT_EQ(dialogs.beeps, 2);

    dialogs.answer(Answer::Ok);
    type(f.Text1[8], "zz");
    leaveTo(f.Text1[6]);
    EXPECT_EQ(dialogs.texts(), QStringList{"Invalid State Abbreviation"});
    EXPECT_EQ(QApplication::focusWidget(), f.Text1[8]);
}

TEST_F(FilerScreen, SaveNeedsAnIdNumberAndWarnsOfMissingEntries)
{
    dialogs.answer(Answer::Ok);
    FilerInfo &f = openScreen();
    type(f.Text1[9], "1");
    dialogs.answer(Answer::Ok);
    f.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "Please Enter ID number or check 'Applied For'.");
    EXPECT_EQ(filerCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), f.Text1[0]);

    f.Check3D1->click();
    type(f.Text1[5], "123");
    type(f.Text1[1], "acme");
    type(f.Text1[2], "1 main st");
    dialogs.answer(Answer::Ok);
    f.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().title, "Missing employer information");
    EXPECT_EQ(dialogs.calls.last().text,
              "The following entries have not been made:\r\r     Company city, state, or zip\r     1st state code "
              "missing\r\rSelect Edit to enter missing information.");
    EXPECT_EQ(filerCount(), 1) << "the warning does not stop the save";
}

TEST_F(FilerScreen, TheEntryScreenButtonsHandOverTheFilerShown)
{
    const int b = addFiler("22-2222222", "B", "0007", "Household Employer");
    FilerInfo &f = openScreen();
    EXPECT_EQ(f.Combo1->currentText(), "Household Employer");
    f.cmdDetail[1]->click();
    EXPECT_EQ(opened, QVector<ScreenId>{ScreenId::Misc1099});
    EXPECT_EQ(openedFor.filerType, "Household Employer");
    EXPECT_EQ(openedFor.tfid, b);
    EXPECT_FALSE(f.isVisible());
    openScreen().cmdDetail[3]->click();
    EXPECT_EQ(opened.last(), ScreenId::Nec1099);

    FilerInfo &again = openScreen();
    again.Text1[0]->clear();
    dialogs.answer(Answer::Ok);
    again.cmdDetail[0]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No current employer selected");
    EXPECT_EQ(opened.size(), 2);
    dialogs.answer(Answer::No); // the cleared field was a change
    again.cmdDetail[2]->click();
    EXPECT_FALSE(again.isVisible());
}

TEST(FilerChecks, MissingEntriesNameTheAddressAndOnlyHalfGivenStates)
{
    FilerEntries e;
    EXPECT_EQ(missingFilerEntries(e),
              QStringList({"     Company name", "     Company address", "     Company city, state, or zip"}));
    e = {"ACME", "1 MAIN ST", "TOWN", "", "", "", "", ""};
    EXPECT_TRUE(missingFilerEntries(e).isEmpty()) << "line 3 of the address is never asked for";
    e.state1Id = "123";
    e.state2 = " MD";
    EXPECT_EQ(missingFilerEntries(e),
              QStringList({"     Missing 2nd state taxpayer ID No.", "     1st state code missing"}));
    e.state1 = "  ";
    e.state1Id = "  ";
    e.state2 = "";
    e.state2Id = "9";
    EXPECT_EQ(missingFilerEntries(e), QStringList({"     2nd state code missing"}));
}

// Every field by the name a screen reader gives it: what is typed there is stored in the
// filer's column of that name and shown there again, so that a crossed pair of bindings (the
// two states' tax ID numbers, say) fails.
TEST_F(FilerScreen, EveryFieldIsStoredInItsOwnColumnAndShownBackInIt)
{
    const struct {
        const char *name, *column, *typed, *stored;
    } fields[] = {
        {"Employer ID Number", "FedIDNo", "12-3456789", "12-3456789"},
        {"Establishment no", "EstNo", "e1", "E1"},
        {"Other EIN", "AddlEIN", "98-7654321", "98-7654321"},
        {"Company Name", "PayerName", "o'neil & sons", "O'NEIL & SONS"},
        {"Company address, line 1", "PayerL1", "1 main st", "1 MAIN ST"},
        {"Company address, line 2", "PayerL2", "suite 2", "SUITE 2"},
        {"Company address, line 3", "PayerL3", "york pa 17401", "YORK PA 17401"},
        {"1st State", "State1", "md", "MD"},
        {"1st State Tax ID No", "State1ID", "md-111", "MD-111"},
        {"2nd State", "State2", "va", "VA"},
        {"2nd State Tax ID No", "State2ID", "va-222", "VA-222"},
        {"Contact Name", "Contact", "ann lee", "ANN LEE"},
        {"Phone", "Phone", "717-555-0100", "717-555-0100"},
        {"Email", "Email", "ann@example.com", "ANN@EXAMPLE.COM"},
        {"Fax", "Fax", "717-555-0199", "717-555-0199"},
        {"Payer's first name for IRIS", "PayerFirstName", "ann", "ANN"},
        {"Payer's middle name for IRIS", "PayerMiddleName", "b", "B"},
        {"Payer's last name for IRIS", "PayerLastName", "o'neil", "O'NEIL"},
        {"Payer's name suffix for IRIS", "PayerSuffix", "sr", "SR"},
    };
    folder.useTaxYear("2026");
    dialogs.answer(Answer::Ok);
    openScreen();
    dialogs.answer(Answer::Yes); // the employer-number question on leaving the field
    for (const auto &f : fields)
        type(box<QLineEdit>(f.name), f.typed);
    box<QComboBox>("Payer's TIN type for IRIS")->setCurrentIndex(2);
    box<QComboBox>("Payer's name for IRIS is of")->setCurrentIndex(1);
    screen->cmdEdit[2]->click();
    ASSERT_EQ(filerCount(), 1) << dialogs.texts().join('|').toStdString();
    for (const auto &f : fields)
        EXPECT_EQ(stored(f.column, state.chosenFiler.tfid), f.stored) << f.name;
    EXPECT_EQ(stored("PayerTinType || PayerNameType", state.chosenFiler.tfid), "EINI");
    openScreen();
    EXPECT_EQ(box<QComboBox>("Payer's name for IRIS is of")->currentText(), "an individual");
    for (const auto &f : fields)
        EXPECT_EQ(box<QLineEdit>(f.name)->text(), f.stored) << f.name;
}
