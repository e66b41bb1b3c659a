#include "data/Database.h"
#include "data/Settings.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace quillory;

namespace {

class Schema : public ::testing::Test {
protected:
    void SetUp() override { db.open(folder.databasePath()); }
    int position(const char *table, const char *column) { return db.table(table).column(column).position; }
    test::TestFolder folder;
    Database db;
};

} // namespace

TEST_F(Schema, ColumnsStandWhereTheListsAndPrintRunsReadThemByPosition)
{
    const std::tuple<const char *, const char *, int> cases[] = {
        {"FilerInfo", "FedIDNo", 0}, {"FilerInfo", "PayerL3", 6}, {"FilerInfo", "Tfid", 12},
        {"W2", "Boxb", 2},           {"W2", "Boxd", 7},           {"W2", "Box1", 13},
        {"W2", "Box12d_Amt", 31},    {"W2", "Box13a", 32},        {"1099Misc", "CorrectedFlag", 1},
        {"1099Misc", "FedIDNo", 6},  {"1099Misc", "TIN", 13},     {"1099Misc", "Box9", 22},
        {"1099Misc", "Box10", 23},   {"W3", "Box1", 18},          {"W3", "Box14", 31},
        {"W3", "Box15a", 32},        {"W3", "Box15b", 33},        {"W3", "Box16", 34},
        {"W3", "Box19", 37},         {"1096", "Box4", 12},        {"1096", "Box5", 13}};
    for (const auto &[table, column, at] : cases)
        EXPECT_EQ(position(table, column), at) << table << "." << column;
    EXPECT_EQ(db.table("W2").columns().at(35).kind, ColumnKind::Flag);
    EXPECT_EQ(db.table("1096").columns().at(14).kind, ColumnKind::Flag);
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
    EXPECT_EQ(db.table("FilerInfo").column("Tfid").kind, ColumnKind::Counter);
    EXPECT_EQ(db.table("1099Misc").column("Counter").kind, ColumnKind::Counter);
}

TEST_F(Schema, TableAndColumnNamesMatchWithoutRegardToCase)
{
    EXPECT_EQ(db.table("1099MISC").name(), QStringLiteral("1099Misc"));
    EXPECT_EQ(&db.table("1099misc"), &db.table("1099Misc"));
    EXPECT_EQ(db.table("w2").column("tfid").name, QStringLiteral("Tfid"));
    EXPECT_EQ(db.table("W2").column("BOXB").name, QStringLiteral("Boxb"));
    EXPECT_THROW(db.table("NoSuchTable"), std::runtime_error);
    EXPECT_THROW(db.table("W2").column("Box99"), std::runtime_error);
    // Text comparison in SQL ignores case too.
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES ('12-3456789', 'acme')");
    EXPECT_EQ(db.scalar("SELECT count(*) FROM FilerInfo WHERE PayerName = ?", {"ACME"}).toInt(), 1);
}

TEST_F(Schema, ShipsStatesSettingsAndEveryMarginRow)
{
    EXPECT_EQ(db.scalar("SELECT count(*) FROM lstStates").toInt(), 56);
    for (const char *code : {"AL", "WY", "DC", "AS", "GU", "MP", "PR", "VI"})
        EXPECT_EQ(db.scalar("SELECT count(*) FROM lstStates WHERE STabbrv = ?", {code}).toInt(), 1) << code;

    const Settings s = Settings::read(db);
    EXPECT_EQ(s.year, QStringLiteral("2001"));
    EXPECT_EQ(s.w2AutoNo, -1);
    EXPECT_EQ(s.w2ctr, 0);
    EXPECT_EQ(s.ssWages, Money::fromCents(8040000));
    EXPECT_EQ(s.ssTaxMax, Money::fromCents(498480));
    EXPECT_DOUBLE_EQ(s.ssTaxPct, 6.2);
    EXPECT_DOUBLE_EQ(s.mdTaxPct, 1.45);
    EXPECT_EQ(s.eicMax, Money::fromCents(145700));
    EXPECT_EQ(s.w2box12, Money::fromCents(1050000));

    for (const char *form : {"W2-L", "W2-C", "W2-M", "W3", "1099-L", "1099-C", "1099-M", "1096"})
        EXPECT_EQ(db.scalar("SELECT count(*) FROM PrintMargins WHERE FormName = ?", {form}).toInt(), 1) << form;
}

TEST(WhatsChanged, CaptionNamesTheYearOrTheCurrentOne)
{
    EXPECT_EQ(whatsChangedCaption(""), QStringLiteral("What's changed in current year?"));
    EXPECT_EQ(whatsChangedCaption("2001"), QStringLiteral("What's changed in 2001?"));
}
