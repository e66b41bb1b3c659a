#include "data/RecordSet.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace quillory;
using Schema = test::FreshDatabase;

namespace {

class RecordSets : public test::FreshDatabase {
protected:
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
};

} // namespace

TEST_F(RecordSets, StoredTextAndMoneyReadBackExactly)
{
    const QString name = QString::fromUtf8("O'Brien-Müller \"Jr\"");
    addW2("123-45-6789", name, Money::fromUnits(123456789012345));
    RecordSet rs = RecordSet::table(db, "w2", "tfid = ?", {1});
    EXPECT_EQ(rs.text("BOXE_LNAME"), name);
    EXPECT_EQ(rs.money("Box1").units(), 123456789012345);
    EXPECT_FALSE(rs.isNull("Box2")) << "amount columns left empty hold 0, not Null";
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
    EXPECT_EQ(rs.text("Boxe_LName"), "C");
    rs.movePrevious();
    EXPECT_EQ(rs.text("Boxe_LName"), "A");
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
    EXPECT_EQ(rs.text("Boxe_LName"), "Before");

    rs.edit();
    rs.setText("Boxe_LName", "After");
    rs.update();
    EXPECT_EQ(db.scalar("SELECT Boxe_LName FROM W2").toString(), "After");

    // A Null in a NOT NULL amount column is refused by the engine; nothing is stored.
    rs.edit();
    rs.setText("Boxe_LName", "Half");
    rs.setValue("Box1", QVariant());
    EXPECT_THROW(rs.update(), DbError);
    EXPECT_TRUE(rs.isEditing());
    EXPECT_EQ(rs.text("Boxe_LName"), "Half");
    EXPECT_EQ(db.scalar("SELECT Boxe_LName FROM W2").toString(), "After");
}

TEST_F(RecordSets, QueriesReadRowsByPositionAndAreNotUpdatable)
{
    addW2("123-45-6789", "Smith");
    RecordSet rs = RecordSet::query(db, "SELECT Boxd, Boxe_LName FROM W2 WHERE Boxe_LName = ?", {"SMITH"});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(0).toString(), "123-45-6789");
    EXPECT_EQ(rs.text("boxe_lname"), "Smith");
    EXPECT_THROW(rs.addNew(), DbError);
}

TEST_F(Schema, KindsAndSizesComeFromTheDeclaredTypes)
{
    const TableInfo &w2 = db.table("W2");
    EXPECT_EQ(w2.column("id").kind, ColumnKind::Counter);
    EXPECT_EQ(w2.column("Boxe_LName").kind, ColumnKind::Text);
    EXPECT_EQ(w2.column("Boxe_LName").size, 30);
    EXPECT_EQ(w2.column("Box1").kind, ColumnKind::Money);
    EXPECT_EQ(w2.column("Box13c").kind, ColumnKind::Flag);
    EXPECT_EQ(w2.column("Tfid").kind, ColumnKind::Integer);
    EXPECT_EQ(db.table("Settings").column("SSTaxPct").kind, ColumnKind::Number);
}

TEST_F(Schema, TableAndColumnNamesMatchWithoutRegardToCase)
{
    EXPECT_EQ(db.table("1099MISC").name(), "1099Misc");
    EXPECT_EQ(&db.table("1099misc"), &db.table("1099Misc"));
    EXPECT_EQ(db.table("w2").column("tfid").name, "Tfid");
    EXPECT_EQ(db.table("W2").column("BOXB").name, "Boxb");
    EXPECT_THROW(db.table("NoSuchTable"), std::runtime_error);
    EXPECT_THROW(db.table("W2").column("Box99"), std::runtime_error);
    // Text comparison in SQL ignores case too.
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('12-3456789', 'acme')");
    EXPECT_EQ(db.scalar("SELECT count(*) FROM FilerInfo WHERE PayerName = ?", {"ACME"}).toInt(), 1);
}
