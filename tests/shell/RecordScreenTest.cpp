#include "shell/RecordScreen.h"
#include "support/RecordScreenFixture.h"
#include "w2/W2Rows.h"

#include <QCheckBox>
#include <QVBoxLayout>

using namespace quillory;
using Answer = Dialogs::Answer;

namespace {

// The W-2 table kept the way the entry screens keep it: one employer's rows, an amount field,
// columns filled in at every save, moves held while an add is pending.
class Sketch : public RecordScreen {
public:
    explicit Sketch(AppContext &ctx) : RecordScreen(ctx)
    {
        auto *layout = new QVBoxLayout(this);
        ssn = new QLineEdit(this);
        name = new QLineEdit(this);
        wages = new QLineEdit(this);
        statutory = new QCheckBox(this);
        for (QWidget *w : {static_cast<QWidget *>(ssn), static_cast<QWidget *>(name), static_cast<QWidget *>(wages),
                           static_cast<QWidget *>(statutory)})
            layout->addWidget(w);
        makeEditButtons({"&Add", "&Edit", "&Save", "&Cancel", "&Delete", "&List"});
        makeMoveButtons();
        for (QPushButton *b : cmdEdit)
            layout->addWidget(b);
        layout->addWidget(cmdMove[0]);
        layout->addWidget(cmdMove[1]);

        RecordScreenSetup &s = setup();
        s.table = "W2";
        s.rows = [](Database &db) { return w2::rowsOf(db, 7); };
        s.firstRecordMessage = "first";
        s.noRecordsMessage = "No records.";
        s.closeBeforeNoRecords = true;
        s.movesNeedRows = true;
        s.addBlocksMoves = true;
        s.homeEndKeys = true;
        s.firstField = ssn;
        addField(ssn, "Boxd");
        addField(name, "Boxe_LName").withKeys(RecordField::UpperCase);
        addField(wages, "Box1").withKeys(RecordField::Numeric);
        addField(statutory, "Box13a");
    }
    QString captionText() const override { return QString("record %1 of %2").arg(position()).arg(recordCount()); }
    void writeExtraColumns(RecordSet &rs) override { rs.setValue("Tfid", 7); }

    QLineEdit *ssn;
    QLineEdit *name;
    QLineEdit *wages;
    QCheckBox *statutory;
};

class RecordScreenTest : public test::RecordScreenFixture<Sketch> {
protected:
    void addW2(const QString &ssn, qlonglong box1Units, int tfid = 7)
    {
        db().exec("INSERT INTO W2 (Boxd, Box1, Tfid) VALUES (?, ?, ?)", {ssn, box1Units, tfid});
    }
    QVariant storedBox1(const QString &ssn) { return scalar("SELECT Box1 FROM W2 WHERE Boxd = ?", {ssn}); }
    Sketch &open() { return openScreen(); }
    void enter(QLineEdit *field) { leaveTo(field); }
};

} // namespace

TEST_F(RecordScreenTest, AmountsShowInCurrencyFormAndStoreExactly)
{
    addW2("111-11-1111", 123450000);
    addW2("222-22-2222", 0);
    addW2("999-99-9999", 5, 8); // another employer's
    Sketch &s = open();
    EXPECT_EQ(s.windowTitle(), "record 1 of 2");
    EXPECT_EQ(s.wages->text(), "$12,345.00");

    enter(s.wages);
    EXPECT_EQ(s.wages->text(), "12345");
    EXPECT_FALSE(s.isChanged()) << "showing the amount for typing is no edit";
    QTest::keyClicks(s.wages, "1234.5x");
    enter(s.name);
    EXPECT_EQ(s.wages->text(), "$1,234.50");
    s.cmdEdit[2]->click();
    EXPECT_EQ(storedBox1("111-11-1111").toLongLong(), 12345000);

    s.cmdMove[1]->click();
    EXPECT_EQ(s.wages->text(), "") << "zero shows empty";
    s.cmdEdit[1]->click();
    s.wages->setText("-5");
    enter(s.wages);
    enter(s.name);
    EXPECT_EQ(s.wages->text(), "");
    s.cmdEdit[2]->click();
    EXPECT_EQ(storedBox1("222-22-2222").toLongLong(), 0) << "an empty amount is stored as 0, not Null";
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(RecordScreenTest, AnAmountThatCannotBeStoredKeepsTheRecordOnScreen)
{
    addW2("111-11-1111", 10000);
    addW2("222-22-2222", 0);
    Sketch &s = open();
    s.wages->setAccessibleName("Wages");
    s.cmdEdit[1]->click();
    s.name->setText("SMITH");
    s.wages->setText("1:2");
    dialogs.answer(Answer::Ok);
    s.cmdEdit[2]->click();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].text,
              "The amount \"1:2\" in Wages cannot be stored: it is not a number.\rCorrect it and save again.");
    EXPECT_EQ(storedBox1("111-11-1111").toLongLong(), 10000);
    EXPECT_TRUE(s.isChanged());
    EXPECT_TRUE(s.cmdEdit[2]->isEnabled()) << "still in edit mode";

    // Yes to the save question keeps the record on screen as well: no move, no close.
    s.wages->setText("99999999999999999");
    dialogs.answer(Answer::Yes).answer(Answer::Ok);
    s.cmdMove[1]->click();
    EXPECT_TRUE(dialogs.calls.last().text.contains("it is too large to store"));
    EXPECT_EQ(s.ssn->text(), "111-11-1111");
    EXPECT_EQ(s.windowTitle(), "record 1 of 2");
    dialogs.answer(Answer::Yes).answer(Answer::Ok);
    EXPECT_FALSE(s.close());
    EXPECT_EQ(s.name->text(), "SMITH");
    EXPECT_EQ(db().scalar("SELECT Boxe_LName FROM W2 WHERE Boxd = '111-11-1111'").toString(), "");

    s.wages->setText("3");
    s.cmdEdit[2]->click();
    EXPECT_EQ(storedBox1("111-11-1111").toLongLong(), 30000);
    EXPECT_EQ(db().scalar("SELECT Boxe_LName FROM W2 WHERE Boxd = '111-11-1111'").toString(), "SMITH");
}

TEST_F(RecordScreenTest, AddedRowsGetTheScreensColumnsAndHoldMovesUntilTheNextButton)
{
    addW2("111-11-1111", 0);
    addW2("222-22-2222", 0);
    Sketch &s = open();
    s.cmdEdit[0]->click();
    EXPECT_TRUE(s.isAddPending());
    s.cmdMove[1]->click();
    EXPECT_EQ(s.windowTitle(), "record 1 of 2") << "no move while an add is pending";
    QTest::keyClicks(s.name, "jones");
    s.ssn->setText("333-33-3333");
    s.statutory->setChecked(true);
    s.cmdEdit[2]->click();
    EXPECT_FALSE(s.isAddPending());
    EXPECT_EQ(s.windowTitle(), "record 3 of 3");
    EXPECT_EQ(db().scalar("SELECT Tfid FROM W2 WHERE Boxe_LName = 'JONES'").toInt(), 7);
    EXPECT_EQ(db().scalar("SELECT Box13a FROM W2 WHERE Boxe_LName = 'JONES'").toInt(), -1);

    QTest::keyClick(s.name, Qt::Key_Home);
    EXPECT_EQ(s.windowTitle(), "record 1 of 3");
    EXPECT_EQ(s.ssn->text(), "111-11-1111");
    QTest::keyClick(s.name, Qt::Key_End);
    EXPECT_EQ(s.ssn->text(), "333-33-3333");
}
