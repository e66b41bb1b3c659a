#include "misc1099/Misc1099Screen.h"
#include "shell/StateBox.h"
#include "support/FakeDialogs.h"
#include "support/TestDatabase.h"
#include "support/UiHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace quillory;
using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;

namespace {

struct NoHelp : HelpViewer {
    void showTopic(const QString &, int) override {}
};

const char *const kPayer = "12-3456789";

class Misc1099Screen : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.gAppTitle = "Quillory";
        state.programFolder = folder.folder();
        state.gDatabase.open(folder.databasePath());
        db().exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, PayerL2, State1, State1ID, "
                  "State2, State2ID) VALUES (?, '0001', '941', 'ACME', '1 MAIN ST', 'SPRINGFIELD', 'MD', 'MD-1', "
                  "'VA', 'VA-2')",
                  {kPayer});
        state.gFedIDNo = kPayer;
        state.gEstNo = "0001";
        state.gFilerType = "941";
        state.gTfid = db().scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
    }
    void TearDown() override
    {
        delete screen.data();
        QApplication::processEvents();
    }

    Database &db() { return state.gDatabase; }
    void addRecipient(const QString &id, const QString &name, int tfid = 0)
    {
        db().exec("INSERT INTO \"1099Misc\" (FedIDNo, RecIDNo, RecName1, Tfid) VALUES (?, ?, ?, ?)",
                  {kPayer, id, name, tfid ? tfid : state.gTfid});
    }
    QString stored(const QString &column, const QString &name)
    {
        return db().scalar(QString("SELECT %1 FROM \"1099Misc\" WHERE RecName1 = ?").arg(column), {name}).toString();
    }
    int rows() { return db().scalar("SELECT count(*) FROM \"1099Misc\"").toInt(); }

    Misc1099 &openScreen()
    {
        screen = new Misc1099(ctx, [this](ScreenId which) {
            opened.append(which);
            closedBeforeOpening = !screen || !screen->isVisible();
        });
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
        screen->load();
        QApplication::processEvents();
        return *screen;
    }
    QString caption(int position, int count, const char *kind = "information")
    {
        return QString("1099 Misc %1 for employer %2 - record %3 of %4").arg(kind, kPayer).arg(position).arg(count);
    }
    bool enabled(int i) const { return screen->cmdEdit[i]->isEnabled(); }
    bool inEditButtons() const
    {
        for (int i = 0; i < 8; ++i)
            if (enabled(i) != (i == 2 || i == 3))
                return false;
        return true;
    }
    void type(QWidget *field, const QString &text)
    {
        field->setFocus(Qt::TabFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
        QApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    void pickState(StateBox *box, int row)
    {
        box->setFocus();
        box->showPopup();
        QAbstractItemView *list = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
        QApplication::processEvents();
    }

    test::TestFolder folder;
    AppState state;
    test::FakeDialogs dialogs;
    NoHelp help;
    QString status = "unset";
    AppContext ctx{state, dialogs, help, [this](const QString &text) { status = text; }};
    QPointer<Misc1099> screen;
    QVector<ScreenId> opened;
    bool closedBeforeOpening = false;
};

} // namespace

TEST_F(Misc1099Screen, AFirstRecipientOpensAddingAndCancelCloses)
{
    dialogs.answer(Answer::Ok);
    Misc1099 &m = openScreen();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text, "This is the first recipient entered for taxpayer.\rOpening screen in edit mode.");
    EXPECT_EQ(dialogs.calls[0].icon, Icon::None);
    EXPECT_EQ(m.windowTitle(), caption(0, 0));
    EXPECT_TRUE(m.isAdding());
    EXPECT_TRUE(inEditButtons());
    EXPECT_EQ(status, "1099Misc screen");
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[6]);
    EXPECT_EQ(m.lblEmployer[0]->text(), "ACME");
    EXPECT_EQ(m.lblEmployer[3]->text(), "");

    m.cmdEdit[3]->click();
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(rows(), 0);
}

TEST_F(Misc1099Screen, ANameIsNeededAndAllElseMayStayEmpty)
{
    dialogs.answer(Answer::Ok);
    Misc1099 &m = openScreen();
    type(m.Text1[5], "second line only");
    dialogs.answer(Answer::Ok);
    m.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "Recipient Name must be entered");
    EXPECT_EQ(dialogs.calls.last().title, "Quillory");
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[4]);
    EXPECT_TRUE(inEditButtons());
    EXPECT_EQ(rows(), 0);

    type(m.Text1[4], "o'brien");
    m.cmdEdit[2]->click();
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(m.windowTitle(), caption(1, 1));
    EXPECT_FALSE(m.isAdding());
    EXPECT_EQ(stored("RecName2", "O'BRIEN"), "SECOND LINE ONLY");
    for (const char *amount : {"Box1", "Box7", "Box10", "Box13", "Box16_L1", "Box18_L2"})
        EXPECT_EQ(stored(amount, "O'BRIEN"), "0") << amount;
    for (const char *flag : {"TIN", "Box9", "CorrectedFlag"})
        EXPECT_EQ(stored(flag, "O'BRIEN"), "0") << flag;
    // The payer's columns come along with every record.
    EXPECT_EQ(stored("FedIDNo", "O'BRIEN"), kPayer);
    EXPECT_EQ(stored("PayerL2", "O'BRIEN"), "SPRINGFIELD");
    EXPECT_EQ(stored("EstNo", "O'BRIEN"), "0001");
    EXPECT_EQ(stored("Tfid", "O'BRIEN").toInt(), state.gTfid);
    EXPECT_EQ(dialogs.calls.size(), 2);
}

TEST_F(Misc1099Screen, AmountsAreExactAndTheSameNumberMayRepeat)
{
    addRecipient("111-11-1111", "FIRST");
    Misc1099 &m = openScreen();
    m.cmdEdit[0]->click();
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[6]);
    type(m.Text1[6], "111-11-1111");
    type(m.Text1[4], "second");
    type(m.Text1[18], "12x34.5");
    type(m.Text1[3], "ab12");
    m.Check1[2]->click();
    EXPECT_EQ(m.Text1[18]->text(), "$1,234.50") << "letters are refused, the amount shown as currency";
    EXPECT_EQ(m.Text1[3]->text(), "AB12");
    m.cmdEdit[2]->click();
    EXPECT_EQ(rows(), 2) << "no search for a repeated identification number";
    EXPECT_EQ(stored("Box7", "SECOND").toLongLong(), 12345000);
    EXPECT_EQ(stored("Box9", "SECOND"), "-1");
    EXPECT_EQ(m.windowTitle(), caption(2, 2));

    type(m.Text1[18], "0");
    m.Text1[10]->setFocus();
    EXPECT_EQ(m.Text1[18]->text(), "");
    m.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box7", "SECOND").toLongLong(), 0);
}

TEST_F(Misc1099Screen, StateBoxesFillAndEmptyTheirOwnLine)
{
    addRecipient("1", "A");
    Misc1099 &m = openScreen();
    type(m.cboState[26], "va");
    EXPECT_EQ(m.cboState[26]->currentText(), "VA");
    EXPECT_EQ(m.Text1[26]->text(), "VA-2") << "an empty number follows the state typed";
    EXPECT_TRUE(inEditButtons());

    pickState(m.cboState[20], 0);
    EXPECT_EQ(m.cboState[20]->currentText(), "MD");
    EXPECT_EQ(m.Text1[20]->text(), "MD-1");
    ASSERT_EQ(m.cboState[20]->count(), 2) << "the payer's two states";
    pickState(m.cboState[20], 1);
    EXPECT_EQ(m.Text1[20]->text(), "VA-2");

    QTest::keyClick(m.cboState[20], Qt::Key_Delete);
    EXPECT_EQ(m.cboState[20]->currentText(), "");
    EXPECT_EQ(m.Text1[20]->text(), "");
    EXPECT_EQ(m.cboState[26]->currentText(), "VA");
    EXPECT_EQ(m.Text1[26]->text(), "VA-2");

    // Enter walks through the state box as Tab does, past the number beside it.
    m.Text1[30]->setFocus();
    QTest::keyClick(m.Text1[30], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), m.cboState[20]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[32]);

    m.cmdEdit[2]->click();
    EXPECT_EQ(stored("Box17a_L2", "A"), "VA");
    EXPECT_EQ(stored("Box17b_L2", "A"), "VA-2");
    EXPECT_EQ(stored("Box17a_L1", "A"), "");
}

TEST_F(Misc1099Screen, TheListAndTheKeysKeepTheScreenOnTheRecordShown)
{
    for (const char *name : {"A", "B", "C", "D"})
        addRecipient(QString("ID-") + name, name);
    addRecipient("ID-X", "OTHER PAYER", state.gTfid + 1);
    Misc1099 &m = openScreen();
    EXPECT_EQ(m.windowTitle(), caption(1, 4));

    m.cmdEdit[5]->click();
    ASSERT_TRUE(m.inListMode());
    EXPECT_FALSE(m.Panel3D1->isEnabled());
    EXPECT_FALSE(m.Text1[4]->isEnabled());
    EXPECT_FALSE(m.Check1[1]->isEnabled());
    EXPECT_TRUE(m.cboState[20]->isEnabled());
    ASSERT_EQ(m.listGrid()->rowCount(), 4);
    m.chooseFromList(1);
    EXPECT_EQ(m.windowTitle(), caption(2, 4, "input"));
    EXPECT_EQ(m.Text1[4]->text(), "B");
    EXPECT_TRUE(m.Text1[4]->isEnabled());
    m.cmdMove[1]->click();
    EXPECT_EQ(m.windowTitle(), caption(3, 4));
    EXPECT_EQ(m.Text1[4]->text(), "C");

    QTest::keyClick(m.Text1[7], Qt::Key_End);
    EXPECT_EQ(m.windowTitle(), caption(4, 4));
    type(m.Text1[7], "4 end st");
    m.cmdEdit[2]->click();
    EXPECT_EQ(stored("RecAddr", "D"), "4 END ST");

    QTest::keyClick(m.Text1[7], Qt::Key_Home);
    EXPECT_EQ(m.windowTitle(), caption(1, 4));
    EXPECT_EQ(m.Text1[7]->text(), "");
    type(m.Text1[7], "1 home st");
    m.cmdEdit[2]->click();
    EXPECT_EQ(stored("RecAddr", "A"), "1 HOME ST");
    EXPECT_EQ(stored("RecAddr", "D"), "4 END ST");

    QTest::keyClick(m.Text1[7], Qt::Key_PageUp);
    EXPECT_EQ(m.windowTitle(), caption(2, 4));
    QTest::keyClick(m.Text1[7], Qt::Key_PageDown);
    QTest::keyClick(m.Text1[7], Qt::Key_PageDown);
    EXPECT_EQ(m.windowTitle(), caption(1, 4));
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[7]) << "moves leave the focus where it was";
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(Misc1099Screen, DeletingTheLastRecordClosesBeforeSayingSo)
{
    addRecipient("1", "A");
    Misc1099 &m = openScreen();
    dialogs.answer(Answer::Yes).answer(Answer::Ok, [&] { EXPECT_FALSE(m.isVisible()); });
    m.cmdEdit[4]->click();
    EXPECT_EQ(dialogs.texts(), QStringList({"Are you sure?", "No records."}));
    EXPECT_EQ(rows(), 0);
}

TEST_F(Misc1099Screen, PrintAndExitCloseTheScreen)
{
    addRecipient("1", "A");
    Misc1099 &m = openScreen();
    m.cmdEdit[6]->click();
    EXPECT_EQ(opened, QVector<ScreenId>({ScreenId::PrtSel1099}));
    EXPECT_TRUE(closedBeforeOpening) << "the print screen opens after this one has closed";
    EXPECT_EQ(status, "");

    Misc1099 &again = openScreen();
    type(again.Text1[9], "acct 9");
    EXPECT_FALSE(again.cmdEdit[7]->isEnabled()) << "Exit waits for Save or Cancel";
    again.cmdEdit[2]->click();
    again.cmdEdit[7]->click();
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(stored("AcctNo", "A"), "ACCT 9");
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(Misc1099Screen, OpeningClosesThePrintScreenAndAnotherPayersScreen)
{
    addRecipient("1", "A");
    MDIForm1 window(ctx);
    window.show();
    auto *print = new QWidget;
    print->setObjectName("PrtSel1099");
    QMdiSubWindow *printSub = window.showChild(print);
    auto openScreens = [&] {
        QVector<Misc1099 *> found;
        for (QMdiSubWindow *sub : window.mdiArea()->subWindowList())
            if (auto *m = qobject_cast<Misc1099 *>(sub->widget()); m && sub->isVisible())
                found.append(m);
        return found;
    };

    Misc1099::open(window);
    EXPECT_FALSE(printSub->isVisible());
    ASSERT_EQ(openScreens().size(), 1);
    EXPECT_EQ(openScreens()[0]->windowTitle(), caption(1, 1));
    Misc1099::open(window);
    EXPECT_EQ(openScreens().size(), 1) << "the same payer's screen is brought forward";

    db().exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('98-7654321', 'OTHER')");
    state.gFedIDNo = "98-7654321";
    state.gTfid = db().scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
    dialogs.answer(Answer::Ok);
    Misc1099::open(window);
    ASSERT_EQ(openScreens().size(), 1);
    EXPECT_EQ(openScreens()[0]->payerTfid(), state.gTfid);
    EXPECT_EQ(openScreens()[0]->lblEmployer[0]->text(), "OTHER");
}
