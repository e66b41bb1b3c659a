#include "misc1099/Misc1099Screen.h"
#include "shell/StateBox.h"
#include "support/RecordScreenFixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace quillory;
using namespace quillory::test;
using Answer = Dialogs::Answer;

namespace {

const char *const kPayer = "12-3456789";

class Misc1099Screen : public RecordScreenFixture<Misc1099> {
protected:
    void SetUp() override
    {
        RecordScreenFixture::SetUp();
        state.gTfid = addFiler(kPayer, "ACME", "0001");
        state.gFedIDNo = kPayer;
        state.gEstNo = "0001";
        state.gFilerType = "941";
    }
    void addRecipient(const QString &id, const QString &name, int tfid = 0)
    {
        db().exec("INSERT INTO \"1099Misc\" (FedIDNo, RecIDNo, RecName1, Tfid) VALUES (?, ?, ?, ?)",
                  {kPayer, id, name, tfid ? tfid : state.gTfid});
    }
    QString stored(const QString &column, const QString &name)
    {
        return scalar(QString("SELECT %1 FROM \"1099Misc\" WHERE RecName1 = ?").arg(column), {name}).toString();
    }
    int rows() { return scalar("SELECT count(*) FROM \"1099Misc\"").toInt(); }
    QString caption(int position, int count, const char *kind = "information")
    {
        return QString("1099 Misc %1 for employer %2 - record %3 of %4").arg(kind, kPayer).arg(position).arg(count);
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
};

} // namespace

TEST_F(Misc1099Screen, AFirstRecipientOpensAddingAndCancelCloses)
{
    dialogs.answer(Answer::Ok);
    Misc1099 &m = openScreen();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text, "This is the first recipient entered for taxpayer.\rOpening screen in edit mode.");
    EXPECT_EQ(m.windowTitle(), caption(0, 0));
    EXPECT_TRUE(m.isAdding());
    EXPECT_TRUE(editing());
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[6]);
    EXPECT_EQ(m.lblEmployer[1]->text(), "1 MAIN ST");

    m.cmdEdit[3]->click();
    EXPECT_FALSE(m.isVisible());
    EXPECT_EQ(rows(), 0);
}

TEST_F(Misc1099Screen, ANameIsNeededAndAllElseMayStayEmptyOrRepeat)
{
    dialogs.answer(Answer::Ok);
    Misc1099 &m = openScreen();
    type(m.Text1[5], "second line only");
    dialogs.answer(Answer::Ok);
    m.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "Recipient Name must be entered");
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[4]);
    EXPECT_TRUE(editing());
    EXPECT_EQ(rows(), 0);

    type(m.Text1[4], "o'brien");
    type(m.Text1[6], "111-11-1111");
    m.cmdEdit[2]->click();
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(m.windowTitle(), caption(1, 1));
    EXPECT_EQ(stored("RecName2", "O'BRIEN"), "SECOND LINE ONLY");
    for (const char *column : {"Box1", "Box10", "Box16_L1", "Box18_L2", "TIN", "Box9", "CorrectedFlag"})
        EXPECT_EQ(stored(column, "O'BRIEN"), "0") << column;
    // The payer's columns come along with every record.
    EXPECT_EQ(stored("FedIDNo", "O'BRIEN"), kPayer);
    EXPECT_EQ(stored("PayerL2", "O'BRIEN"), "SPRINGFIELD");
    EXPECT_EQ(stored("EstNo", "O'BRIEN"), "0001");
    EXPECT_EQ(stored("Tfid", "O'BRIEN").toInt(), state.gTfid);

    // The same identification number again is no obstacle.
    m.cmdEdit[0]->click();
    type(m.Text1[6], "111-11-1111");
    type(m.Text1[4], "second");
    type(m.Text1[18], "12x34.5");
    m.Check1[2]->setFocus();
    m.Check1[2]->click();
    EXPECT_EQ(m.Text1[18]->text(), "$1,234.50") << "letters are refused in amounts";
    m.cmdEdit[2]->click();
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(m.windowTitle(), caption(2, 2));
    EXPECT_EQ(stored("Box7", "SECOND").toLongLong(), 12345000);
    EXPECT_EQ(stored("Box9", "SECOND"), "-1");
}

TEST_F(Misc1099Screen, StateBoxesFillAndEmptyTheirOwnLine)
{
    addRecipient("1", "A");
    Misc1099 &m = openScreen();
    m.cboState[26]->showPopup();
    m.cboState[26]->hidePopup();
    EXPECT_FALSE(m.isChanged()) << "reading the payer's states is no edit";
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    type(m.cboState[26], "va");
    EXPECT_EQ(m.cboState[26]->currentText(), "VA");
    EXPECT_EQ(m.Text1[26]->text(), "VA-2") << "an empty number follows the state typed";
    EXPECT_TRUE(editing());

    pickState(m.cboState[20], 0);
    EXPECT_EQ(m.Text1[20]->text(), "MD-1");
    pickState(m.cboState[20], 1);
    EXPECT_EQ(m.cboState[20]->currentText(), "VA");
    EXPECT_EQ(m.Text1[20]->text(), "VA-2");

    QTest::keyClick(m.cboState[20], Qt::Key_Delete);
    EXPECT_EQ(m.cboState[20]->currentText(), "");
    EXPECT_EQ(m.Text1[20]->text(), "");
    EXPECT_EQ(m.Text1[26]->text(), "VA-2");

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
    EXPECT_FALSE(m.Text1[4]->isEnabled());
    ASSERT_EQ(m.listGrid()->rowCount(), 4);
    m.chooseFromList(1);
    EXPECT_EQ(m.windowTitle(), caption(2, 4, "input"));
    EXPECT_EQ(m.Text1[4]->text(), "B");
    m.cmdMove[1]->click();
    EXPECT_EQ(m.windowTitle(), caption(3, 4));
    EXPECT_EQ(m.Text1[4]->text(), "C");

    QTest::keyClick(m.Text1[7], Qt::Key_End);
    EXPECT_EQ(m.windowTitle(), caption(4, 4));
    type(m.Text1[7], "4 end st");
    m.cmdEdit[2]->click();
    QTest::keyClick(m.Text1[7], Qt::Key_Home);
    EXPECT_EQ(m.windowTitle(), caption(1, 4));
    type(m.Text1[7], "1 home st");
    m.cmdEdit[2]->click();
    EXPECT_EQ(stored("RecAddr", "A"), "1 HOME ST");
    EXPECT_EQ(stored("RecAddr", "D"), "4 END ST");

    // The last delete closes the screen before it says so.
    db().exec("DELETE FROM \"1099Misc\" WHERE RecName1 <> 'A'");
    Misc1099 &single = openScreen();
    dialogs.answer(Answer::Yes).answer(Answer::Ok, [&] { EXPECT_FALSE(single.isVisible()); });
    single.cmdEdit[4]->click();
    EXPECT_EQ(dialogs.texts(), QStringList({"Are you sure?", "No records."}));
}

TEST_F(Misc1099Screen, TheEntryAndPrintScreensTakeTurns)
{
    addRecipient("1", "A");
    const int firstPayer = state.gTfid;
    MDIForm1 window(ctx);
    window.show();
    auto shown = [&](const QString &name) {
        QVector<QWidget *> found;
        for (QMdiSubWindow *sub : window.mdiArea()->subWindowList())
            if (sub->isVisible() && sub->widget()->objectName() == name)
                found.append(sub->widget());
        return found;
    };
    bool entryOpenWhilePrinting = true;
    ScreenOpeners openers;
    openers.prtSel1099 = [&](MDIForm1 &w) {
        entryOpenWhilePrinting = !shown("Misc1099").isEmpty();
        auto *print = new QWidget;
        print->setObjectName("PrtSel1099");
        w.showChild(print);
    };
    window.setScreenOpeners(openers);

    Misc1099::open(window);
    Misc1099::open(window);
    EXPECT_EQ(shown("Misc1099").size(), 1) << "the same payer's screen is brought forward";
    db().exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('98-7654321', 'OTHER')");
    state.gFedIDNo = "98-7654321";
    state.gTfid = db().scalar("SELECT max(Tfid) FROM FilerInfo").toInt();
    dialogs.answer(Answer::Ok);
    Misc1099::open(window);
    ASSERT_EQ(shown("Misc1099").size(), 1) << "another payer's screen is closed";
    auto *other = static_cast<Misc1099 *>(shown("Misc1099")[0]);
    EXPECT_EQ(other->lblEmployer[0]->text(), "OTHER");

    other->cmdEdit[3]->click(); // no recipient yet: Cancel closes
    state.gFedIDNo = kPayer;
    state.gTfid = firstPayer;
    Misc1099::open(window);
    static_cast<Misc1099 *>(shown("Misc1099")[0])->cmdEdit[6]->click();
    EXPECT_FALSE(entryOpenWhilePrinting) << "Print closes the entry screen first";
    EXPECT_EQ(shown("PrtSel1099").size(), 1);
    Misc1099::open(window);
    EXPECT_TRUE(shown("PrtSel1099").isEmpty());
    EXPECT_EQ(shown("Misc1099").size(), 1);
}
