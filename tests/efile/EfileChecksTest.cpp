#include "EfileFixture.h"
#include "efile/Returns1099Efile.h"
#include "efile/TaxYear.h"
#include "efile/W2Efile.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace quillory;

namespace {

using ChecksTest = test::EfileTest;

} // namespace

TEST_F(ChecksTest, EachProblemIsNamedWithItsRecordAndNothingIsBuilt)
{
    struct Case {
        const char *sql;
        bool w2;
        const char *finding;
    };
    const Case cases[] = {
        {"UPDATE Settings SET Year = '2001'", true, "Tax year 2001 (Options, Tax Year...): this version writes files"},
        {"UPDATE Settings SET Year = '2001'", false, "Tax year 2001 (Options, Tax Year...)"},
        {"DELETE FROM EfileSubmitter", true, "Submitter (Options, E-file Submitter...): the SSA user ID is missing"},
        {"UPDATE EfileSubmitter SET TCC = ''", false,
         "Submitter (Options, E-file Submitter...): the Transmitter "
         "Control Code is missing"},
        {"UPDATE EfileSubmitter SET EIN = '98-76543'", true, "Submitter (Options, E-file Submitter...): the EIN is"},
        {"UPDATE W2 SET Boxd = '123-45-678' WHERE Boxe_LName = 'Lee'", true,
         "W-2 of Ann Lee (123-45-678): the social security number is missing or not valid"},
        {"UPDATE W2 SET Boxd = '' WHERE Boxe_LName = 'Lee'", true, "W-2 of Ann Lee (no SSN): the social security"},
        {"UPDATE W2 SET Boxe_LName = '' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo (345-67-8901): the employee's first or last name is missing"},
        {"UPDATE W2 SET Boxf_L2 = 'Somewhere' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): the address is missing or does not end in \"city, state ZIP\""},
        {"UPDATE W2 SET Box1 = 100000000000000 WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 1 is too large for the file"},
        {"UPDATE Settings SET Year = '2023'; UPDATE W2 SET Box12a_Code = 'II' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 12 code II is reported from tax year 2024 on, not in 2023"},
        {"UPDATE Settings SET Year = '2026'; UPDATE W2 SET Box12a_Code = 'TA' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 12 code TA has no confirmed place in the tax year 2026 wage file"},
        {"UPDATE Settings SET Year = '2026'; UPDATE W2 SET Box12b_Code = 'TP' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 12 code TP has no confirmed place in the tax year 2026 wage file"},
        {"UPDATE Settings SET Year = '2026'; UPDATE W2 SET Box12d_Code = 'TT' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 12 code TT has no confirmed place in the tax year 2026 wage file"},
        {"UPDATE Settings SET Year = '2026'; UPDATE W2 SET Box14b_L2 = '101' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 14b code 101 has no confirmed place in the tax year 2026 wage file"},
        {"UPDATE W2 SET Box12a_Code = 'XX' WHERE Boxd = '345-67-8901'", true,
         "W-2 of Bo Diaz (345-67-8901): box 12 code XX has no place in the file"},
        {"UPDATE Settings SET Year = '2025'; UPDATE \"1099Misc\" SET Box13 = 10000 WHERE RecIDNo = '111-22-3333'",
         false,
         "1099-MISC of Rita Renter (111-22-3333), payer 12-3456789: box 13 (excess golden parachute payments) goes "
         "on Form 1099-NEC box 3 from tax year 2025 on"},
        {"UPDATE W2 SET Box9 = 10000 WHERE Boxd = '345-67-8901'", true, "box 9 (advance EIC payment)"},
        {"UPDATE FilerInfo SET FedIDNo = 'AF' WHERE PayerName = 'Farm Co'", true,
         "Employer AF (Farm Co): the employer identification number is missing or malformed"},
        {"UPDATE FilerInfo SET FilerType = 'Other' WHERE PayerName = 'Farm Co'", true,
         "Employer 23-4567890 (Farm Co): the filer type \"Other\""},
        {"UPDATE \"1099Misc\" SET RecIDNo = '' WHERE RecName1 = 'Rita Renter'", false,
         "1099-MISC of Rita Renter (no TIN), payer 12-3456789: the recipient's identification number"},
        {"UPDATE \"1099Misc\" SET RecName1 = ' ' WHERE RecIDNo = '22-3334444'", false,
         "1099-NEC of  (22-3334444), payer 12-3456789: the recipient's name is missing"},
        {"UPDATE \"1099Misc\" SET RecCityStZip = '' WHERE RecIDNo = '22-3334444'", false,
         "1099-NEC of Nick Contractor (22-3334444), payer 12-3456789: the address is missing"},
        {"UPDATE \"1099Misc\" SET Box1 = 10000000000000000 WHERE RecIDNo = '111-22-3333'", false,
         "1099-MISC of Rita Renter (111-22-3333), payer 12-3456789: box 1 is too large for the file"},
        {"UPDATE FilerInfo SET PayerName = '' WHERE FedIDNo = '12-3456789'", false, "Payer 12-3456789 (): the name"},
        {"UPDATE \"1099Misc\" SET RecName2 = 'Zoë 😀' WHERE RecIDNo = '22-3334444'", false,
         "1099-NEC of Nick Contractor (22-3334444), payer 12-3456789: the payee name 2 holds characters"},
    };
    for (const Case &c : cases) {
        // Each case on the sample as it was.
        db.exec(QStringLiteral("BEGIN"));
        for (const QString &sql : QString::fromUtf8(c.sql).split(QLatin1Char(';')))
            db.exec(sql);
        const efile::EfileOutcome out = c.w2 ? efile::buildW2Efile(db, {}) : efile::buildReturns1099Efile(db, {});
        db.exec(QStringLiteral("ROLLBACK"));
        EXPECT_TRUE(out.records.isEmpty()) << c.sql;
        const QString all = out.problems.join(QLatin1Char('\n'));
        EXPECT_TRUE(all.contains(QString::fromUtf8(c.finding))) << c.sql << "\n" << all.toStdString();
    }
}

TEST_F(ChecksTest, TaxYearValuesAreCheckedThenStored)
{
    efile::TaxYearText good = efile::readTaxYear(db);
    EXPECT_EQ(good.year, QStringLiteral("2024"));
    EXPECT_EQ(good.ssWages, QStringLiteral("80400.00"));
    EXPECT_EQ(good.ssTaxPct, QStringLiteral("6.2"));
    const std::pair<QString efile::TaxYearText::*, const char *> bad[] = {
        {&efile::TaxYearText::year, "24"},      {&efile::TaxYearText::year, "20245"},
        {&efile::TaxYearText::ssTaxPct, "101"}, {&efile::TaxYearText::mdTaxPct, "-1"},
        {&efile::TaxYearText::mdTaxPct, "x"},   {&efile::TaxYearText::ssWages, "-5"},
        {&efile::TaxYearText::w2box12, "ten"},
    };
    for (const auto &[field, value] : bad) {
        efile::TaxYearText t = good;
        t.*field = QLatin1String(value);
        EXPECT_EQ(efile::checkTaxYearText(t).size(), 1) << value;
    }
    good.year = QStringLiteral("2025");
    good.ssWages = QStringLiteral("176,100.00");
    good.mdTaxPct = QStringLiteral("1.45");
    ASSERT_TRUE(efile::checkTaxYearText(good).isEmpty());
    efile::storeTaxYear(db, good);
    const efile::TaxYearText stored = efile::readTaxYear(db);
    EXPECT_EQ(stored.year, QStringLiteral("2025"));
    EXPECT_EQ(stored.ssWages, QStringLiteral("176100.00"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT W2AutoNo FROM Settings")).toInt(), -1);
}

TEST(EfileUpgrade, AnOlderDatabaseFileGetsTheSubmitterTableAndNothingElseChanges)
{
    test::TestFolder folder;
    auto schema = [&](const QString &connection) {
        QSqlQuery q(QSqlDatabase::database(connection));
        q.exec(QStringLiteral("SELECT name, sql FROM sqlite_master ORDER BY name"));
        QStringList out;
        while (q.next())
            out << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString().simplified();
        return out;
    };
    QStringList shipped, before;
    {
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(folder.databasePath());
        old.open();
        shipped = schema(QStringLiteral("old"));
        QSqlQuery(old).exec(QStringLiteral("DROP TABLE EfileSubmitter"));
        before = schema(QStringLiteral("old"));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    ASSERT_EQ(before.size() + 1, shipped.size());

    Database db;
    db.open(folder.databasePath());
    const QStringList after = schema(db.connection().connectionName());
    for (const QString &table : before)
        EXPECT_TRUE(after.contains(table)) << table.toStdString();
    // The table made at open has the columns of the shipped one.
    const TableInfo &made = db.table(QStringLiteral("EfileSubmitter"));
    QStringList columns;
    for (const ColumnInfo &c : made.columns())
        columns << c.name + QLatin1Char(' ') + QString::number(int(c.kind)) + QLatin1Char(' ') +
                       QString::number(c.size);
    test::TestFolder fresh;
    Database shippedDb;
    shippedDb.open(fresh.databasePath());
    QStringList expected;
    for (const ColumnInfo &c : shippedDb.table(QStringLiteral("EfileSubmitter")).columns())
        expected << c.name + QLatin1Char(' ') + QString::number(int(c.kind)) + QLatin1Char(' ') +
                        QString::number(c.size);
    EXPECT_EQ(columns, expected);
}
