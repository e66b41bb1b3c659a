#include "misc1099/Misc1099Screen.h"
#include "support/RecordScreenFixture.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "misc1099/Misc1099Rules.h"
#include "misc1099/Nec1099Screen.h"
#include "shell/StateBox.h"
#include "support/TestDatabase.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

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
        filer = {kPayer, addFiler(kPayer, "ACME", "0001"), "941", "0001"};
    }
    void addRecipient(const QString &id, const QString &name, int tfid = 0)
    {
        db().exec("INSERT INTO \"1099Misc\" (FedIDNo, RecIDNo, RecName1, Tfid) VALUES (?, ?, ?, ?)",
                  {kPayer, id, name, tfid ? tfid : filer.tfid});
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
};

} // namespace

TEST_F(Misc1099Screen, ANameIsNeededAndAllElseMayStayEmptyOrRepeat)
{
    dialogs.answer(Answer::Ok);
    Misc1099 &m = openScreen();
    type(m.Text1[5], "second line only");
    dialogs.answer(Answer::Ok);
    m.cmdEdit[2]->click();
    EXPECT_EQ(dialogs.calls.last().text, "Recipient Name must be entered");
    EXPECT_EQ(QApplication::focusWidget(), m.Text1[4]);
    EXPECT_EQ(rows(), 0);

    type(m.Text1[4], "o'brien");
    type(m.Text1[6], "111-11-1111");
    m.cmdEdit[2]->click();
    EXPECT_EQ(m.windowTitle(), caption(1, 1));
    EXPECT_EQ(stored("RecName2", "O'BRIEN"), "SECOND LINE ONLY");
    // The payer's columns come along with every record.
    EXPECT_EQ(stored("FedIDNo", "O'BRIEN"), kPayer);
    EXPECT_EQ(stored("PayerL2", "O'BRIEN"), "SPRINGFIELD");
    EXPECT_EQ(stored("EstNo", "O'BRIEN"), "0001");
    EXPECT_EQ(stored("Tfid", "O'BRIEN").toInt(), filer.tfid);

    // The same identification number again is no obstacle.
    m.cmdEdit[0]->click();
    type(m.Text1[6], "111-11-1111");
    type(m.Text1[4], "second");
    m.cmdEdit[2]->click();
    EXPECT_EQ(m.windowTitle(), caption(2, 2));
}

// The payer's name and address lines stand in the payer's box, in order.
TEST_F(Misc1099Screen, ThePayerBoxHoldsThePayersLines)
{
    dialogs.answer(Answer::Ok); // first recipient
    Misc1099 &m = openScreen();
    QWidget *box = m.lblEmployer[0]->parentWidget();
    EXPECT_EQ(box->findChild<QLabel *>("caption")->text(), "Employer's name, address, and ZIP code");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m.lblEmployer[i]->parentWidget(), box) << i;
    EXPECT_EQ(m.lblEmployer[0]->text(), "ACME");
    EXPECT_LT(m.lblEmployer[1]->y(), m.lblEmployer[2]->y());
}

// A record shows the state number it was stored with, even where the payer's has changed since;
// emptying the state empties its number, and a state typed then takes the payer's.
TEST_F(Misc1099Screen, AStoredStateNumberShowsAsStored)
{
    addRecipient("ID-1", "A");
    addRecipient("ID-2", "B");
    db().exec("UPDATE \"1099Misc\" SET Box17a_L1 = 'MD', Box17b_L1 = CASE RecName1 WHEN 'A' THEN 'MD-OLD' END");
    Misc1099 &m = openScreen();
    EXPECT_EQ(box<QLineEdit>("Payer's state no, line 1")->text(), "MD-OLD");
    m.cmdMove[1]->click();
    EXPECT_EQ(box<QLineEdit>("Payer's state no, line 1")->text(), "") << "none stored, none shown";
    m.cmdEdit[1]->click();
    m.cboState[Misc1099::kStateNumber[0]]->setEditText("");
    EXPECT_EQ(box<QLineEdit>("Payer's state no, line 1")->text(), "");
    m.cboState[Misc1099::kStateNumber[0]]->setEditText("VA");
    EXPECT_EQ(box<QLineEdit>("Payer's state no, line 1")->text(), "VA-2");
}

TEST_F(Misc1099Screen, TheListAndTheKeysKeepTheScreenOnTheRecordShown)
{
    for (const char *name : {"A", "B", "C", "D"})
        addRecipient(QString("ID-") + name, name);
    addRecipient("ID-X", "OTHER PAYER", filer.tfid + 1);
    Misc1099 &m = openScreen();
    EXPECT_EQ(m.windowTitle(), caption(1, 4));

    m.cmdEdit[5]->click();
    ASSERT_EQ(m.listGrid()->rowCount(), 4);
    m.chooseFromList(1);
    EXPECT_EQ(m.windowTitle(), caption(2, 4, "input"));
    EXPECT_EQ(m.Text1[4]->text(), "B");
    m.cmdMove[1]->click();
    EXPECT_EQ(m.windowTitle(), caption(3, 4));
    EXPECT_EQ(m.Text1[4]->text(), "C");

    QTest::keyClick(m.Text1[7], Qt::Key_End);
    EXPECT_EQ(m.windowTitle(), caption(4, 4));
    QTest::keyClick(m.Text1[7], Qt::Key_Home);
    EXPECT_EQ(m.windowTitle(), caption(1, 4));
    // Page Up moves forward, Page Down back.
    QTest::keyClick(m.Text1[7], Qt::Key_PageUp);
    EXPECT_EQ(m.Text1[4]->text(), "B");
    QTest::keyClick(m.Text1[7], Qt::Key_PageDown);
    EXPECT_EQ(m.Text1[4]->text(), "A");
}

TEST_F(Misc1099Screen, TheEntryAndPrintScreensTakeTurns)
{
    addRecipient("1", "A");
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
    FilerKey printing;
    ScreenOpeners openers;
    openers.prtSel1099 = [&](MDIForm1 &w, const FilerKey &payer) {
        entryOpenWhilePrinting = !shown("Misc1099").isEmpty();
        printing = payer;
        auto *print = new QWidget;
        print->setObjectName("PrtSel1099");
        w.showChild(print, ScreenId::PrtSel1099);
    };
    window.setScreenOpeners(openers);

    Misc1099::open(window, filer);
    Misc1099::open(window, filer);
    EXPECT_EQ(shown("Misc1099").size(), 1) << "the same payer's screen is brought forward";
    db().exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('98-7654321', 'OTHER')");
    const FilerKey other{"98-7654321", db().scalar("SELECT max(Tfid) FROM FilerInfo").toInt(), {}, {}};
    dialogs.answer(Answer::Ok);
    Misc1099::open(window, other);
    ASSERT_EQ(shown("Misc1099").size(), 1) << "another payer's screen is closed";
    static_cast<Misc1099 *>(shown("Misc1099")[0])->cmdEdit[3]->click(); // no recipient yet: Cancel closes
    Misc1099::open(window, filer);
    static_cast<Misc1099 *>(shown("Misc1099")[0])->cmdEdit[6]->click();
    EXPECT_FALSE(entryOpenWhilePrinting) << "Print closes the entry screen first";
    EXPECT_EQ(printing.fedIdNo, kPayer) << "the print screen starts at the screen's payer";
    EXPECT_EQ(shown("PrtSel1099").size(), 1);
    Misc1099::open(window, filer);
    EXPECT_TRUE(shown("PrtSel1099").isEmpty());

    // A database of 2001 keeps nonemployee compensation in box 7 of the 1099-MISC.
    dialogs.answer(Answer::Ok);
    Nec1099::open(window, filer);
    EXPECT_EQ(dialogs.texts().last(), "Form 1099-NEC is kept for tax years 2025 and later; this database's tax year "
                                      "is 2001. Nonemployee compensation of earlier years is box 7 of the 1099-MISC "
                                      "screen.");
    EXPECT_TRUE(shown("Nec1099").isEmpty());
}

using PayerDetailsTest = test::FreshDatabase;

TEST_F(PayerDetailsTest, ComeFromTheFirstFilerWithThePayersNumber)
{
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName, PayerL1, State1, State1ID, State2, State2ID) "
            "VALUES ('11-1111111', 'O''BRIEN & CO', '1 MAIN ST', ' ', 'IGNORED', 'md', 'MD-77')");
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('11-1111111', 'LATER')");
    const PayerDetails payer = readPayerDetails(db, "11-1111111");
    EXPECT_EQ(payer.labels[0], "O'BRIEN & CO");
    EXPECT_EQ(payer.labels[2], "") << "Null reads as empty text";

    // A blank state code offers nothing; codes match in any letter case.
    ASSERT_EQ(payer.stateChoices().size(), 1);
    EXPECT_EQ(payer.stateNumber("MD"), QString("MD-77"));
    EXPECT_FALSE(payer.stateNumber("VA").has_value());
    EXPECT_FALSE(payer.stateNumber("").has_value());

    EXPECT_THROW(readPayerDetails(db, "99-9999999"), DbError);
}

TEST(Misc1099Rules, OnlyAnEmptyFirstNameLineIsRefused)
{
    EXPECT_EQ(recipientNameProblem(""), "Recipient Name must be entered");
    EXPECT_EQ(recipientNameProblem("   "), "") << "blanks count as a name";
}

// Every text box of the 1999-2019 form by the name a screen reader gives it: what is typed there
// is stored in that box's column and shown there again, so that a crossed pair fails.
TEST_F(Misc1099Screen, EveryBoxIsStoredInItsOwnColumnAndShownBackInIt)
{
    const std::pair<const char *, const char *> boxes[] = {
        {"RECEIPIENT'S identification number", "RecIDNo"},
        {"RECEIPIENT'S name, line 1", "RecName1"},
        {"RECEIPIENT'S name, line 2", "RecName2"},
        {"Street address (including apt. no.)", "RecAddr"},
        {"City, state, and ZIP code", "RecCityStZip"},
        {"Account number (optional)", "AcctNo"},
        {"1.  Rents", "Box1"},
        {"2.  Royalties", "Box2"},
        {"3.  Other income", "Box3"},
        {"4.  Federal tax withheld", "Box4"},
        {"5.  Fishing boat proceeds", "Box5"},
        {"6.  Medical/health care", "Box6"},
        {"7.  Nonemployee compensation", "Box7"},
        {"8. Substitute payments in lieu of dividends or interest", "Box8"},
        {"10. Crop insurance proceeds", "Box10"},
        {"13.  Excess Golden Parachute Pymts.", "Box13"},
        {"14.  Gross proceeds paid to an attorney", "Box14"},
        {"15. Informational use only, line 1", "Box15a"},
        {"15. Informational use only, line 2", "Box15b"},
        {"16. State tax withheld, line 1", "Box16_L1"},
        {"16. State tax withheld, line 2", "Box16_L2"},
        {"Payer's state no, line 1", "Box17b_L1"},
        {"Payer's state no, line 2", "Box17b_L2"},
        {"18. State income, line 1", "Box18_L1"},
        {"18. State income, line 2", "Box18_L2"},
    };
    dialogs.answer(Answer::Ok); // the first recipient: opens adding
    openScreen();
    int n = 100;
    for (const auto &[name, column] : boxes)
        type(box<QLineEdit>(name), QString::number(++n));
    screen->cmdEdit[2]->click();
    ASSERT_EQ(rows(), 1) << dialogs.texts().join('|').toStdString();
    n = 100;
    for (const auto &[name, column] : boxes) {
        const QVariant value = scalar(QString("SELECT %1 FROM \"1099Misc\"").arg(column));
        // Amounts are kept in ten-thousandths of a dollar.
        EXPECT_TRUE(value == QString::number(++n) || value == n * 10000LL) << name;
    }
    openScreen();
    n = 100;
    for (const auto &[name, column] : boxes) {
        const QString shown = box<QLineEdit>(name)->text();
        EXPECT_TRUE(shown == QString::number(++n) || shown == QString("$%1.00").arg(n)) << name;
    }
}
