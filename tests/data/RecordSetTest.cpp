#include "data/RecordSet.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class RecordSets : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }

    qlonglong addW2(const QString &ssn, const QString &last, Money box1 = Money())
    {
        RecordSet rs = RecordSet::table(db, "W2");
        rs.addNew();
        rs.setText("Boxd", ssn);
        rs.setText("Boxe_LName", last);
        rs.setValue("Tfid", 1);
        if (!box1.isZero())
            rs.setMoney("Box1", box1);
        rs.update();
        rs.moveLast();
        return rs.integer("id");
    }

    test::TestFolder folder;
    Database db;
};

} // namespace

TEST_F(RecordSets, StoredTextAndMoneyReadBackExactly)
{
    const QString name = QString::fromUtf8("O'Brien-Müller \"Jr\"");
    addW2("123-45-6789", name, Money::fromUnits(123456789012345));
    RecordSet rs = RecordSet::table(db, "w2", "tfid = ?", {1});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("BOXE_LNAME"), name);
    EXPECT_EQ(rs.money("Box1").units(), 123456789012345);
    // Amount columns left empty hold 0, not Null; flags false.
    EXPECT_FALSE(rs.isNull("Box2"));
    EXPECT_EQ(rs.money("Box2").units(), 0);
    EXPECT_FALSE(rs.flag("Box13a"));
    EXPECT_TRUE(rs.findFirst({{"Boxe_LName", name.toUpper()}}));
    EXPECT_FALSE(rs.findFirst({{"Boxe_LName", "O'Brien"}}));
}

TEST_F(RecordSets, CountersAreNeverReused)
{
    const qlonglong first = addW2("111-11-1111", "A");
    const qlonglong second = addW2("222-22-2222", "B");
    RecordSet rs = RecordSet::table(db, "W2", "id = ?", {second});
    rs.deleteCurrent();
    const qlonglong third = addW2("333-33-3333", "C");
    EXPECT_LT(first, second);
    EXPECT_GT(third, second);
}

TEST_F(RecordSets, MovesStopAtTheEndsAndDeleteLeavesTheNeighboursReachable)
{
    for (const char *n : {"A", "B", "C"})
        addW2("000-00-0000", n);
    RecordSet rs = RecordSet::table(db, "W2", {}, {}, "Boxe_LName");
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_FALSE(rs.bof());
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_THROW(rs.value("id"), DbError);
    rs.moveLast();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.moveNext(), DbError);

    rs.moveTo(1);
    rs.deleteCurrent();
    EXPECT_THROW(rs.value("id"), DbError);
    rs.moveNext();
    EXPECT_EQ(rs.text("Boxe_LName"), QStringLiteral("C"));
    rs.movePrevious();
    EXPECT_EQ(rs.text("Boxe_LName"), QStringLiteral("A"));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM W2").toInt(), 2);

    RecordSet empty = RecordSet::table(db, "W2", "Tfid = ?", {99});
    EXPECT_TRUE(empty.bof());
    EXPECT_TRUE(empty.eof());
}

TEST_F(RecordSets, EditStoresOnlyOnUpdateAndAFailedStoreKeepsThePendingRow)
{
    addW2("123-45-6789", "Before");
    RecordSet rs = RecordSet::table(db, "W2");
    rs.edit();
    rs.setText("Boxe_LName", "After");
    rs.cancelUpdate();
    EXPECT_EQ(rs.text("Boxe_LName"), QStringLiteral("Before"));

    rs.edit();
    rs.setText("Boxe_LName", "After");
    rs.update();
    EXPECT_EQ(db.scalar("SELECT Boxe_LName FROM W2").toString(), QStringLiteral("After"));

    // A Null in a NOT NULL amount column is refused by the engine; nothing is stored.
    rs.edit();
    rs.setText("Boxe_LName", "Half");
    rs.setValue("Box1", QVariant());
    EXPECT_THROW(rs.update(), DbError);
    EXPECT_TRUE(rs.isEditing());
    EXPECT_EQ(rs.text("Boxe_LName"), QStringLiteral("Half"));
    EXPECT_EQ(db.scalar("SELECT Boxe_LName FROM W2").toString(), QStringLiteral("After"));
}

TEST_F(RecordSets, QueriesReadRowsByPositionAndAreNotUpdatable)
{
    addW2("123-45-6789", "Smith");
    RecordSet rs = RecordSet::query(db, "SELECT Boxd, Boxe_LName FROM W2 WHERE Boxe_LName = ?", {"SMITH"});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("123-45-6789"));
    EXPECT_EQ(rs.text("boxe_lname"), QStringLiteral("Smith"));
    EXPECT_THROW(rs.addNew(), DbError);
}
