#include "data/TaxYears.h"

#include "data/Database.h"
#include "data/RequiredSchema.h"
#include "data/SqlScript.h"
#include "support/TestDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace quillory;

namespace {

// Year, wage base, largest social security tax, its rate, Medicare rate, advance EIC maximum,
// elective deferral limit, as the publications give them (cents).
struct Expected {
    const char *year;
    int64_t ssWages, ssTaxMax;
    double ssTaxPct, mdTaxPct;
    int64_t eicMax, w2box12;
};
const Expected kYears[] = {
    // SSA "2001 Social Security Changes"; 402(g) limit 10,500 for 2001; advance EIC 1,457.
    {"2001", 8040000, 498480, 6.2, 1.45, 145700, 1050000},
    // SSA contribution and benefit base 2025; 176,100 x 6.2 %; IRS Notice 2024-80.
    {"2025", 17610000, 1091820, 6.2, 1.45, 0, 2350000},
    // 2026 General Instructions for Forms W-2 and W-3 (boxes 3, 4, 6 and code D); Notice 2025-67.
    {"2026", 18450000, 1143900, 6.2, 1.45, 0, 2450000},
};

void expectValues(const Settings &s, const Expected &e)
{
    SCOPED_TRACE(e.year);
    EXPECT_EQ(s.year, e.year);
    EXPECT_EQ(s.ssWages, Money::fromCents(e.ssWages));
    EXPECT_EQ(s.ssTaxMax, Money::fromCents(e.ssTaxMax));
    EXPECT_DOUBLE_EQ(s.ssTaxPct, e.ssTaxPct);
    EXPECT_DOUBLE_EQ(s.mdTaxPct, e.mdTaxPct);
    EXPECT_EQ(s.eicMax, Money::fromCents(e.eicMax));
    EXPECT_EQ(s.w2box12, Money::fromCents(e.w2box12));
}

QStringList rowsOf(const QString &connection, const QString &sql)
{
    QSqlQuery q(QSqlDatabase::database(connection));
    q.exec(sql);
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << q.value(i).toString();
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

TEST(TaxYears, TheShippedFileStartsOn2026AndKnowsEachYearsValues)
{
    test::TestFolder shipped(nullptr);
    Database db;
    db.open(shipped.databasePath());
    expectValues(Settings::read(db), kYears[2]);
    const QVector<Settings> known = knownTaxYears(db);
    ASSERT_EQ(known.size(), 3);
    for (int i = 0; i < 3; ++i)
        expectValues(known[i], kYears[i]);

    // The test copies are put back on 2001, the year every other test was written for.
    test::TestFolder copy;
    Database old;
    old.open(copy.databasePath());
    expectValues(Settings::read(old), kYears[0]);
}

TEST(TaxYears, ScriptsSplitAtSemicolonsOutsideTextAndComments)
{
    EXPECT_EQ(sqlStatements("-- a; comment\nINSERT INTO t VALUES ('a;b', 'it''s; -- no comment');\n"
                            "CREATE TABLE \"x;y\" (a); -- last;\n  \n"),
              (QStringList{"INSERT INTO t VALUES ('a;b', 'it''s; -- no comment')", "CREATE TABLE \"x;y\" (a)"}));
}

// A file of an earlier version: no year tables, no box 14b columns, no form editions and no 1096
// form types, on 2001 with a W-2.
TEST(TaxYears, AnOlderFileGetsTheYearTablesAndColumnsAndNothingElseChanges)
{
    test::TestFolder folder;
    const QString connection = QStringLiteral("older");
    const QString everything =
        QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE tbl_name NOT IN "
                       "('TaxYears', 'TaxYearBox12Codes', 'W2', 'FormEditions', '1099Misc', '1099Nec', "
                       "'Thresholds1099', 'NecMoveOffer', '1096') AND tbl_name NOT LIKE 'Copy%' ORDER BY name");
    const QString layouts = QStringLiteral("SELECT * FROM PrintFormats ORDER BY FormName LIKE '%-2026', rowid");
    QStringList before, w2Before, settingsBefore;
    {
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        old.setDatabaseName(folder.databasePath());
        old.open();
        QSqlQuery q(old);
        for (const char *column : {"FishPurchased", "Deferrals409A", "NqDeferredComp", "Fatca", "CashTips", "TipCode1",
                                   "TipCode2", "Overtime"})
            EXPECT_TRUE(q.exec(QStringLiteral("ALTER TABLE \"1099Misc\" DROP COLUMN ") + column)) << column;
        for (const char *sql : {"DROP TABLE TaxYears", "DROP TABLE TaxYearBox12Codes", "DROP TABLE FormEditions",
                                "DROP TABLE \"1099Nec\"", "DROP TABLE Thresholds1099", "DROP TABLE NecMoveOffer",
                                "DROP TABLE CopyDrawings", "DROP TABLE CopyItems", "DROP TABLE CopyLegends",
                                "DROP TABLE CopyTexts", "DELETE FROM PrintFormats WHERE FormName LIKE '%-2026'",
                                "ALTER TABLE \"1096\" DROP COLUMN FormType",
                                "DELETE FROM PrintMargins WHERE FormName LIKE 'NEC-%'",
                                "ALTER TABLE W2 DROP COLUMN Box14b_L1", "ALTER TABLE W2 DROP COLUMN Box14b_L2",
                                "INSERT INTO W2 (Boxd, Boxe_LName, Box12a_Code, Box12a_Amt, Box14_L1) "
                                "VALUES ('123-45-6789', 'O''NEIL', 'D', 105000000, 'UNION 12')"})
            EXPECT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
        before = rowsOf(connection, everything);
        w2Before = rowsOf(connection, "SELECT * FROM W2");
        settingsBefore = rowsOf(connection, "SELECT * FROM Settings");
        old.close();
    }
    QSqlDatabase::removeDatabase(connection);

    Database db;
    db.open(folder.databasePath());
    EXPECT_TRUE(missingSchema(db).isEmpty()) << missingSchema(db).join(", ").toStdString();
    const QString opened = db.connection().connectionName();
    EXPECT_EQ(rowsOf(opened, everything).join('\n').toStdString(), before.join('\n').toStdString());
    EXPECT_EQ(rowsOf(opened, "SELECT * FROM Settings"), settingsBefore);
    const QStringList w2After = rowsOf(opened, "SELECT * FROM W2");
    ASSERT_EQ(w2After.size(), 1);
    EXPECT_EQ(w2After[0], w2Before[0] + "||") << "two empty columns at the end, the rest as it was";
    EXPECT_EQ(knownTaxYears(db).size(), 3);
    EXPECT_EQ(w2YearForm(db, "2026").find("TT")->caption, "Total amount of qualified overtime compensation");
    EXPECT_EQ(db.table("W2").find("Box14b_L2")->size, 3);
    // The 2026 form layouts come back as shipped; the older rows stay as they were.
    test::TestFolder shipped;
    Database fresh;
    fresh.open(shipped.databasePath());
    EXPECT_EQ(rowsOf(opened, layouts), rowsOf(fresh.connection().connectionName(), layouts));
    EXPECT_EQ(rowsOf(opened, "SELECT * FROM PrintMargins ORDER BY FormName"),
              rowsOf(fresh.connection().connectionName(), "SELECT * FROM PrintMargins ORDER BY FormName"));
    EXPECT_EQ(rowsOf(opened, "SELECT * FROM FormEditions ORDER BY Form, FirstYear"),
              rowsOf(fresh.connection().connectionName(), "SELECT * FROM FormEditions ORDER BY Form, FirstYear"));
    // So do the drawn employee copies.
    for (const char *copies : {"SELECT * FROM CopyItems ORDER BY Drawing, Seq", "SELECT * FROM CopyTexts ORDER BY Seq"})
        EXPECT_EQ(rowsOf(opened, copies), rowsOf(fresh.connection().connectionName(), copies)) << copies;

    // Opened again, nothing is added twice: 33 codes in the 2026 Reference Guide, 30 before it.
    Database again;
    again.open(folder.databasePath());
    EXPECT_EQ(again.scalar("SELECT count(*) FROM TaxYearBox12Codes WHERE Year = '2026'").toInt(), 33);
    EXPECT_EQ(again.scalar("SELECT count(*) FROM TaxYearBox12Codes WHERE Year = '2025'").toInt(), 30);
}
