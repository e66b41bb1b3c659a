#include "w2/W2Checks.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"
#include "w2/W2Employer.h"
#include <gtest/gtest.h>

using namespace quillory;

namespace {

Settings limits2001()
{
    Settings s;
    s.year = "2001";
    s.ssWages = Money::fromCents(8040000);
    s.ssTaxMax = Money::fromCents(498480);
    s.ssTaxPct = 6.2;
    s.mdTaxPct = 1.45;
    s.eicMax = Money::fromCents(145700);
    s.w2box12 = Money::fromCents(1050000);
    return s;
}

// A W-2 whose taxes match its wages exactly.
W2Entry consistent()
{
    W2Entry e;
    e.firstName = "Ann";
    e.lastName = "O'Neil";
    e.box3 = "1000.00";
    e.box4 = "$62.00";
    e.box5 = "1,000.00";
    e.box6 = "14.50";
    return e;
}

QStringList findings(const W2Entry &e)
{
    return checkW2(e, limits2001(), true, QLocale(QLocale::English, QLocale::UnitedStates)).findings;
}

} // namespace

TEST(W2Checks, TaxesAreCheckedToTheCent)
{
    EXPECT_TRUE(findings(consistent()).isEmpty());
    W2Entry e = consistent();
    e.box4 = "62.01";
    EXPECT_EQ(findings(e), QStringList{"Social Security Tax Withheld should be $62.00"});

    e = consistent();
    e.box5 = "100.00";
    e.box6 = QString();
    EXPECT_EQ(findings(e), QStringList{"Medicare Tax Withheld should be $1.45"});

    e = consistent();
    e.box3 = e.box4 = e.box5 = e.box6 = QString();
    EXPECT_TRUE(findings(e).isEmpty());
}

TEST(W2Checks, WagesAboveTheBaseNameTheLargestTaxAndEicHasALimit)
{
    W2Entry e = consistent();
    e.box3 = "90000.00";
    e.box4 = "5580.00";
    e.box9 = "1457.01";
    EXPECT_EQ(findings(e), (QStringList{"Social Security Wages cannot be greater than $80,400.00",
                                        "Social Security Tax Withheld should be $4,984.80",
                                        "EIC cannot be greater than $1,457.00"}));
}

TEST(W2Checks, InvalidBox12CodesAreCriticalAndListedOnce)
{
    for (const char *code : {"U", "W", "1", "a"}) {
        W2Entry e = consistent();
        e.box12Codes = {QString::fromLatin1(code), "Z", QString(), QString()};
        const W2CheckResult r = checkW2(e, limits2001(), true);
        EXPECT_EQ(r.findings, QStringList{"Valid Box 12 codes are 'A' thru 'T' or 'V'"}) << code;
        EXPECT_TRUE(r.critical());
        EXPECT_TRUE(r.message().endsWith("Critical error!"));
    }
}

TEST(W2Checks, ElectiveDeferralsAboveTheLimitAskToContinue)
{
    W2Entry e = consistent();
    e.box12Codes = {"C", QString(), QString(), "D"};
    e.box12Amounts = {"20000", QString(), QString(), "10500.01"};
    const W2CheckResult r = checkW2(e, limits2001(), true);
    EXPECT_EQ(r.message(), QStringLiteral("The following errors were encountered: \n\n"
                                          "Box 12 amount cannot be greater than $10,500.00\n\nContinue?"));
    // Code C is not a deferral: no finding at any amount.
    e.box12Codes[3] = "C";
    EXPECT_TRUE(checkW2(e, limits2001(), true).passes());
    // An invalid code together with a deferral over the limit lists both and may go on.
    e.box12Codes = {"S", "U", QString(), QString()};
    e.box12Amounts[0] = "11000";
    const W2CheckResult both = checkW2(e, limits2001(), true);
    EXPECT_EQ(both.findings.size(), 2);
    EXPECT_FALSE(both.critical());
}

TEST(W2Checks, FieldAmountsRoundToCentsAndReadLeadingNumbers)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(fieldAmount("$1,234.565", us), Money::fromCents(123457));
    EXPECT_EQ(fieldAmount(QString(), us), Money());
    EXPECT_EQ(fieldAmount("12abc", us), Money::fromCents(1200));
    EXPECT_EQ(fieldAmount("abc", us), Money());
}

namespace {

class W2EmployerTest : public test::FreshDatabase {
protected:
};

} // namespace

TEST_F(W2EmployerTest, ReadsTheFilerByNumberWithNullsAsEmptyText)
{
    db.exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, State1, State1ID, State2) "
            "VALUES ('11-1111111', '0001', '941', 'FIRST', 'ONE', 'MD', 'MD-1', NULL)");
    db.exec("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, PayerL2, PayerL3, State1, "
            "State1ID, State2, State2ID) VALUES ('22-2222222', NULL, 'Household Employer', 'O''BRIEN & ZOË', "
            "'1 MAIN ST', 'SPRINGFIELD', NULL, 'VA', 'VA-9', 'DC', 'DC-7')");
    const int second = db.scalar("SELECT Tfid FROM FilerInfo WHERE FedIDNo = '22-2222222'").toInt();

    const W2Employer e = W2Employer::read(db, second);
    EXPECT_EQ(e.fedIdNo, "22-2222222");
    EXPECT_EQ(e.estNo, "");
    EXPECT_EQ(e.nameAndAddress[0], QString::fromUtf8("O'BRIEN & ZOË"));
    EXPECT_EQ(e.nameAndAddress[3], "");
    EXPECT_EQ(e.states[0].code, "VA");
    EXPECT_EQ(e.states[1].id, "DC-7");

    EXPECT_THROW(W2Employer::read(db, second + 1), DbError);
}

TEST_F(W2EmployerTest, ControlNumbersCountUpOneAtATimeAndSurviveReconnecting)
{
    db.exec("UPDATE Settings SET W2ctr = 41");
    EXPECT_EQ(NextControlNumber(db), 42);
    EXPECT_EQ(NextControlNumber(db), 43);

    Database other;
    other.open(folder.databasePath());
    EXPECT_EQ(other.scalar("SELECT W2ctr FROM Settings").toInt(), 43);
    EXPECT_EQ(NextControlNumber(other), 44);

    db.exec("DELETE FROM Settings");
    EXPECT_THROW(NextControlNumber(db), DbError);
}

TEST_F(W2EmployerTest, LimitsAreZeroWithoutASettingsRow)
{
    db.exec("DELETE FROM Settings");
    EXPECT_TRUE(readW2Limits(db).ssWages.isZero());
}
