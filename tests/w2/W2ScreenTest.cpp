#include "w2/W2Screen.h"
#include "support/RecordScreenFixture.h"
#include "w2/W2Checks.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace quillory;
using namespace quillory::test;
using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

namespace {

class W2Screen : public RecordScreenFixture<W2> {
protected:
    void SetUp() override
    {
        RecordScreenFixture::SetUp();
        employer = addFiler("12-3456789", "O'BRIEN HARDWARE", "0001");
    }
    void addW2(const QString &ssn, const QString &last, int tfid = 0)
    {
        db().exec("INSERT INTO W2 (Boxd, Boxe_FName, Boxe_LName, Box2, Tfid) VALUES (?, 'X', ?, 5000000, ?)",
                  {ssn, last, tfid ? tfid : employer});
    }
    QVariant stored(const QString &column, const QString &ssn)
    {
        return scalar(QString("SELECT %1 FROM W2 WHERE Boxd = ?").arg(column), {ssn});
    }
    int count() { return scalar("SELECT count(*) FROM W2").toInt(); }
    W2 &open(int tfid = 0)
    {
        state.gTfid = tfid ? tfid : employer;
        return openScreen();
    }
    // The caption after the employer's numbers.
    QString shown() const
    {
        return screen->windowTitle().remove("W2 employee input for employer 12-3456789 0001 Type 941 - ");
    }
    // Names, SSN and the taxes of 1,000.00 of wages, so that the checks find nothing.
    void fillConsistent(W2 &w, const QString &ssn)
    {
        type(w.MaskedEdit1, ssn);
        type(w.Text1[1], "ann");
        type(w.Text1[2], "o'neil");
        type(w.Text1[22], "1000");
        type(w.Text1[23], "62");
        type(w.Text1[24], "1000");
        type(w.Text1[25], "14.5");
    }

    int employer = 0;
};

} // namespace

TEST_F(W2Screen, TheFirstEmployeeIsNumberedAndStoredWithTheEmployersColumns)
{
    state.gW2AutoNumber = true;
    db().exec("UPDATE Settings SET W2ctr = 41");
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text, "This is the first employee entered for employer.\rOpening screen in edit mode.");
    EXPECT_EQ(shown(), "Initial Employee");
    EXPECT_TRUE(editing());
    EXPECT_TRUE(w.isAdding());
    EXPECT_EQ(QApplication::focusWidget(), w.MaskedEdit1);
    EXPECT_EQ(w.lblEmployer[0]->text(), "O'BRIEN HARDWARE");
    EXPECT_EQ(w.Text1[0]->text(), "42");
    type(w.Text1[0], "9");
    EXPECT_EQ(w.Text1[0]->text(), "42") << "a handed-out number is not typed over";
    EXPECT_EQ(dialogs.beeps, 1);

    fillConsistent(w, "123456789");
    type(w.Text1[1], "jos");
    QTest::sendKeyEvent(QTest::Click, w.Text1[1], Qt::Key_Eacute, QString::fromUtf8("é"), {});
    type(w.Text1[20], "1234.5");
    QTest::keyClick(w.Text1[20], Qt::Key_Tab);
    EXPECT_EQ(w.Text1[20]->text(), "$1,234.50");
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.size(), 1) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(shown(), "Employee 1 of 1");
    EXPECT_TRUE(browsing());
    const QString ssn = "123-45-6789";
    EXPECT_EQ(stored("Boxe_FName", ssn).toString(), QString::fromUtf8("JOSÉ"));
    EXPECT_EQ(stored("Boxe_LName", ssn).toString(), "O'NEIL");
    EXPECT_EQ(stored("Box1", ssn).toLongLong(), 12345000);
    EXPECT_EQ(stored("Box7", ssn).toLongLong(), 0) << "an empty amount is 0, not Null";
    EXPECT_EQ(stored("Boxa", ssn).toString(), "42");
    EXPECT_EQ(stored("Boxb", ssn).toString(), "12-3456789");
    EXPECT_EQ(stored("Boxc_L2", ssn).toString(), "1 MAIN ST");
    EXPECT_EQ(stored("EstNo", ssn).toString(), "0001");
    EXPECT_EQ(stored("Tfid", ssn).toInt(), employer);

    w.cmdEdit[0]->click();
    EXPECT_EQ(w.Text1[0]->text(), "43");
    EXPECT_EQ(db().scalar("SELECT W2ctr FROM Settings").toInt(), 43);
    w.cmdEdit[3]->click();
    EXPECT_EQ(w.Text1[1]->text(), QString::fromUtf8("JOSÉ"));
    EXPECT_TRUE(browsing());
}

TEST_F(W2Screen, WithoutAutoNumberingTheFirstEmployeeIsTypedAndClosingAsksToSave)
{
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    EXPECT_EQ(w.Text1[0]->text(), "");
    EXPECT_EQ(db().scalar("SELECT W2ctr FROM Settings").toInt(), 0);
    w.cmdEdit[3]->click();
    EXPECT_FALSE(w.isVisible()) << "Cancel with no W-2 closes the screen";

    dialogs.answer(Answer::Ok);
    W2 &again = open();
    type(again.Text1[0], "12a3");
    EXPECT_EQ(again.Text1[0]->text(), "123");
    type(again.MaskedEdit1, "111223333");
    type(again.Text1[9], "u"); // an invalid code: stored, because closing checks nothing
    dialogs.answer(Answer::Yes);
    again.close();
    EXPECT_EQ(dialogs.calls.last().text, "Information has been changed, do you wish to save changes?");
    EXPECT_EQ(stored("Box12a_Code", "111-22-3333").toString(), "U");
    EXPECT_EQ(stored("Boxa", "111-22-3333").toString(), "123");
}

// A column missing from an older file, put back while the failure dialog is up: Retry stores.
TEST_F(W2Screen, RetryAfterTheFileIsRepairedStoresTheRecord)
{
    db().exec("ALTER TABLE W2 DROP COLUMN Box20_L2");
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    fillConsistent(w, "123456789");
    type(w.Text1[19], "town");
    dialogs.answer(Answer::Retry, [&] { folder.exec("ALTER TABLE W2 ADD Box20_L2 TEXT(8)"); });
    w.cmdEdit[2]->click();
    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_TRUE(dialogs.calls[1].text.contains("Box20_L2")) << dialogs.calls[1].text.toStdString();
    EXPECT_EQ(stored("Box20_L2", "123-45-6789").toString(), "TOWN");
    EXPECT_TRUE(browsing());
}

TEST_F(W2Screen, AnEmployerThatIsGoneIsAFailure)
{
    dialogs.answer(Answer::Abort);
    W2 &w = open(employer + 1);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].title, "Quillory Error");
    EXPECT_EQ(w.recordCount(), 0);
}

TEST_F(W2Screen, BrowsingStopsAtTheEndsAndMovingWithYesStoresUnchecked)
{
    addW2("111-11-1111", "FIRST");
    addW2("222-22-2222", "SECOND");
    addW2("333-33-3333", "THIRD");
    addW2("999-99-9999", "ELSEWHERE", employer + 1);
    W2 &w = open();
    EXPECT_EQ(shown(), "Employee 1 of 3");
    EXPECT_EQ(w.Text1[21]->text(), "$500.00");
    w.cmdMove[0]->click();
    EXPECT_EQ(shown(), "Employee 1 of 3");
    for (int i = 0; i < 3; ++i)
        w.cmdMove[1]->click();
    EXPECT_EQ(shown(), "Employee 3 of 3");
    EXPECT_EQ(w.Text1[2]->text(), "THIRD");
    QTest::keyClick(w.MaskedEdit1, Qt::Key_PageDown);
    EXPECT_EQ(w.Text1[2]->text(), "SECOND");
    QTest::keyClick(w.MaskedEdit1, Qt::Key_PageUp);
    EXPECT_EQ(w.Text1[2]->text(), "THIRD");
    QTest::keyClick(w.MaskedEdit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[1]) << "Enter walks on as Tab does";

    // An amount shows as a plain number while it is typed in; 0 or less shows empty.
    w.Text1[21]->setFocus();
    EXPECT_EQ(w.Text1[21]->text(), "500");
    type(w.Text1[21], "-5");
    type(w.Text1[26], "1234.5");
    EXPECT_EQ(w.Text1[21]->text(), "");
    type(w.Text1[9], "w");
    dialogs.answer(Answer::Yes);
    w.cmdMove[0]->click();
    EXPECT_EQ(dialogs.calls.size(), 1) << "no checks on the way";
    EXPECT_EQ(stored("Box12a_Code", "333-33-3333").toString(), "W");
    EXPECT_EQ(stored("Box2", "333-33-3333").toLongLong(), 0);
    EXPECT_EQ(stored("Box7", "333-33-3333").toLongLong(), 12345000);
    EXPECT_EQ(w.Text1[2]->text(), "SECOND");
    EXPECT_TRUE(browsing());

    w.cmdEdit[6]->click();
    EXPECT_EQ(opened, QVector<ScreenId>{ScreenId::PrtSelW2});
    EXPECT_TRUE(w.isVisible()) << "the print screen closes this one itself";
}

TEST_F(W2Screen, AnSsnIsUniqueWithinItsEmployerOnly)
{
    addW2("111-11-1111", "FIRST");
    addW2("222-22-2222", "ELSEWHERE", employer + 1);
    W2 &w = open();
    w.cmdEdit[0]->click();
    fillConsistent(w, "222222222");
    w.cmdEdit[2]->click();
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(shown(), "Employee 2 of 2");

    w.cmdEdit[0]->click();
    fillConsistent(w, "111111111");
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "SSN already exists");
    EXPECT_EQ(count(), 3);
    EXPECT_TRUE(browsing());
    EXPECT_TRUE(w.isAdding());
    EXPECT_EQ(w.Text1[2]->text(), "O'NEIL") << "the typed entries stay";
    w.cmdEdit[1]->click();
    type(w.MaskedEdit1, "333333333");
    w.cmdEdit[2]->click();
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(shown(), "Employee 3 of 3");
}

TEST_F(W2Screen, DeletingShowsTheNextUnderTheSameNumberAndTheLastClosesTheScreen)
{
    addW2("111-11-1111", "FIRST");
    addW2("222-22-2222", "SECOND");
    addW2("333-33-3333", "THIRD");
    W2 &w = open();
    w.cmdMove[1]->click();
    dialogs.answer(Answer::Yes, [&] { EXPECT_EQ(status, "Deleting Current W2......"); });
    w.cmdEdit[4]->click();
    EXPECT_EQ(dialogs.calls[0].text, "Are you sure?");
    EXPECT_EQ(w.Text1[2]->text(), "THIRD");
    EXPECT_EQ(shown(), "Employee 2 of 2");

    dialogs.answer(Answer::Yes);
    w.cmdEdit[4]->click();
    EXPECT_EQ(w.Text1[2]->text(), "FIRST") << "after the last, the one before it";
    EXPECT_EQ(shown(), "Employee 1 of 1");
    dialogs.answer(Answer::Yes).answer(Answer::Ok);
    w.cmdEdit[4]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No Records");
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(W2Screen, TheListChoosesARecordAndMovesGoOnFromIt)
{
    for (const char *name : {"A", "B", "C", "D", "E"})
        addW2(QString("%1%1%1-11-1111").arg(QChar(name[0] - 'A' + '1')), name);
    W2 &w = open();
    w.cmdEdit[5]->click();
    RecordGrid *grid = w.listGrid();
    ASSERT_TRUE(grid->isVisible());
    EXPECT_FALSE(w.Panel3D1->isEnabled());
    EXPECT_FALSE(w.Text1[20]->isEnabled());
    EXPECT_FALSE(w.chkOpt[4]->isEnabled());
    EXPECT_TRUE(w.MaskedEdit1->isEnabled());
    EXPECT_TRUE(w.cboState[1]->isEnabled());
    QTest::keyClick(grid, Qt::Key_X);
    EXPECT_EQ(dialogs.beeps, 1);

    const QRect cell = grid->visualRect(grid->model()->index(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(shown(), "Employee 3 of 5");
    EXPECT_EQ(w.Text1[2]->text(), "C");
    EXPECT_TRUE(w.Text1[20]->isEnabled());
    EXPECT_TRUE(browsing());
    w.cmdMove[1]->click();
    EXPECT_EQ(shown(), "Employee 4 of 5");
    EXPECT_EQ(w.Text1[2]->text(), "D");
}

TEST_F(W2Screen, StateBoxesOfferTheEmployersStatesAndDeleteEmptiesOneLine)
{
    db().exec(
        "INSERT INTO W2 (Boxd, Boxe_FName, Boxe_LName, Tfid, Box15a_L1, Box15b_L1, Box16_L1, Box20_L1, Box15a_L2, "
        "Box15b_L2, "
        "Box16_L2, Box19_L2, Box20_L2) VALUES ('111-11-1111', 'A', 'B', ?, 'MD', 'MD-1', 10000, 'A', 'MD', "
        "'MD-1', 20000, 30000, 'B')",
        {employer});
    W2 &w = open();
    QComboBox *line2 = w.cboState[1];
    line2->showPopup();
    ASSERT_EQ(line2->model()->rowCount(), 2);
    EXPECT_EQ(line2->model()->index(1, 1).data().toString(), "VA-2");
    EXPECT_EQ(line2->currentText(), "MD") << "dropping the list down changes nothing";
    EXPECT_TRUE(browsing());
    QTest::keyClick(line2->view(), Qt::Key_Down);
    QTest::keyClick(line2->view(), Qt::Key_Return);
    EXPECT_EQ(line2->currentText(), "VA");
    EXPECT_EQ(w.Text1[37]->text(), "VA-2");
    EXPECT_TRUE(editing());

    type(w.Text1[37], "x");
    EXPECT_EQ(w.Text1[37]->text(), "VA-2") << "the state ID is not typed";
    line2->setFocus();
    QTest::keyClick(line2, Qt::Key_Delete);
    EXPECT_EQ(line2->currentText(), "");
    for (int i : {19, 37, 38, 39, 41, 42})
        EXPECT_EQ(w.Text1[i]->text(), "") << i;
    EXPECT_EQ(w.cboState[0]->currentText(), "MD");
    EXPECT_EQ(w.Text1[32]->text(), "MD-1");
    EXPECT_EQ(w.Text1[18]->text(), "A");
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box15a_L2", "111-11-1111").toString(), "");
    EXPECT_EQ(stored("Box19_L2", "111-11-1111").toLongLong(), 0);
}

TEST_F(W2Screen, KeysAreFilteredAndTheFocusedBoxLabelTurnsGreen)
{
    addW2("111-11-1111", "FIRST");
    W2 &w = open();
    for (int i : {36, 42}) {
        type(w.Text1[i], "x7");
        EXPECT_EQ(w.Text1[i]->text(), "7") << i;
    }
    type(w.Text1[9], "d");
    EXPECT_EQ(w.Text1[9]->text(), "D");
    type(w.Text1[46], "1e");
    EXPECT_EQ(w.Text1[46]->text(), "1E") << "box 12 amounts take letters, in capitals";

    const QColor normal = w.LabelOpt[2]->palette().color(QPalette::WindowText);
    w.chkOpt[2]->setFocus();
    EXPECT_EQ(w.LabelOpt[2]->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    w.Text1[1]->setFocus();
    EXPECT_EQ(w.LabelOpt[2]->palette().color(QPalette::WindowText), normal);
}

TEST_F(W2Screen, SaveRunsTheChecksAndTheirAnswerDecides)
{
    dialogs.answer(Answer::Ok);
    W2 &w = open();
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No employee first name entered");
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[1]);
    type(w.Text1[1], "ann");
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "No employee last name entered");
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[2]);

    // Every finding at once, each read from its own field.
    fillConsistent(w, "123456789");
    type(w.Text1[22], "90000");
    type(w.Text1[23], "0");
    type(w.Text1[24], "100");
    type(w.Text1[25], "");
    type(w.Text1[28], "2000");
    type(w.Text1[9], "u");
    type(w.Text1[47], "e");
    type(w.Text1[46], "20000");
    dialogs.answer(Answer::No);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text,
              "The following errors were encountered: \n\nSocial Security Wages cannot be greater than $80,400.00\n"
              "Social Security Tax Withheld should be $4,984.80\nMedicare Tax Withheld should be $1.45\n"
              "EIC cannot be greater than $1,457.00\nValid Box 12 codes are 'A' thru 'T' or 'V'\n"
              "Box 12 amount cannot be greater than $10,500.00\n\nContinue?");
    EXPECT_EQ(dialogs.calls.last().buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.calls.last().icon, Icon::Exclamation);
    EXPECT_EQ(QApplication::focusWidget(), w.Text1[20]);
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(editing());

    // An invalid code alone cannot be overridden.
    type(w.Text1[47], "");
    dialogs.answer(Answer::Ok);
    w.cmdEdit[2]->click();
    EXPECT_TRUE(dialogs.calls.last().text.endsWith("\n\nCritical error!"));
    EXPECT_EQ(dialogs.calls.last().buttons, Buttons::Ok);
    EXPECT_EQ(count(), 0);

    // To the cent: 62.01 against 6.2 percent of 1,000.00; Yes stores it anyway.
    fillConsistent(w, "123456789");
    type(w.Text1[9], "");
    type(w.Text1[28], "");
    type(w.Text1[23], "62.01");
    dialogs.answer(Answer::Yes);
    w.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text,
              "The following errors were encountered: \n\nSocial Security Tax Withheld should be $62.00\n\nContinue?");
    EXPECT_EQ(w.lastAnswer(), Answer::Yes);
    EXPECT_EQ(stored("Box4", "123-45-6789").toLongLong(), 620100);

    // With the edits off only the names count.
    state.gW2EditsOn = false;
    type(w.Text1[9], "1");
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box12a_Code", "123-45-6789").toString(), "1");
}

TEST_F(W2Screen, SickPayIsAskedForUntilItIsANumberNoLargerThanBox2)
{
    addW2("111-11-1111", "FIRST"); // box 2 holds 500.00
    W2 &w = open();
    dialogs.answerInput("abc").answerInput("600").answerInput("500");
    w.chkOpt[4]->click();
    EXPECT_TRUE(editing());
    ASSERT_EQ(dialogs.calls.size(), 3);
    EXPECT_EQ(dialogs.calls[0].text, SickPayPrompt::first);
    EXPECT_EQ(dialogs.calls[0].initial, "0");
    EXPECT_EQ(dialogs.calls[1].text, SickPayPrompt::notNumber);
    EXPECT_EQ(dialogs.calls[1].initial, "abc");
    EXPECT_EQ(dialogs.calls[2].text, SickPayPrompt::tooLarge);
    EXPECT_EQ(dialogs.calls[2].initial, "600");
    EXPECT_EQ(w.Text1[3]->text(), "500");
    w.cmdEdit[2]->click();
    EXPECT_EQ(stored("SickPay", "111-11-1111").toLongLong(), 5000000);
    EXPECT_EQ(stored("Box13c", "111-11-1111").toInt(), -1);

    w.cmdMove[1]->click(); // shown again: the tick asks nothing
    w.chkOpt[4]->click();
    EXPECT_EQ(w.Text1[3]->text(), "0.00");
    // Cancel: no sick pay, so no tick either.
    dialogs.answerInput(std::nullopt);
    w.chkOpt[4]->click();
    EXPECT_FALSE(w.chkOpt[4]->isChecked());
    EXPECT_EQ(w.Text1[3]->text(), "0.00");
    EXPECT_EQ(dialogs.calls.size(), 4);
}

TEST_F(W2Screen, OpeningInTheMainWindowKeepsOneScreenPerEmployer)
{
    const int other = addFiler("98-7654321", "OTHER");
    addW2("111-11-1111", "FIRST");
    addW2("222-22-2222", "SECOND", other);
    MDIForm1 main(ctx);
    main.show();
    state.gTfid = employer;
    W2::open(main);
    W2::open(main);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto *first = qobject_cast<W2 *>(main.mdiArea()->subWindowList()[0]->widget());
    ASSERT_TRUE(first);
    type(first->Text1[2], "changed");
    state.gTfid = other;
    dialogs.answer(Answer::No);
    W2::open(main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto *second = qobject_cast<W2 *>(main.mdiArea()->subWindowList()[0]->widget());
    EXPECT_EQ(second->Text1[2]->text(), "SECOND");
    EXPECT_EQ(second->employer().fedIdNo, "98-7654321");
    EXPECT_EQ(stored("Boxe_LName", "111-11-1111").toString(), "FIRST");

    second->cmdEdit[6]->click(); // Print: no print screen in this main window
    second->cmdEdit[7]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty());
}
