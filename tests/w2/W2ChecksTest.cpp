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

namespace {

// The checks of a year as the database holds it: its values put into Settings by the fixture.
class YearChecks : public test::FreshDatabase {
protected:
    W2CheckResult check(const char *year, const W2Entry &e)
    {
        folder.useTaxYear(year);
        return checkW2(e, readW2Limits(db), true, QLocale(QLocale::English, QLocale::UnitedStates),
                       w2YearFormOfSettings(db));
    }
};

W2Entry withCodes(const QStringList &codes, const QString &amount = "100")
{
    W2Entry e = consistent();
    for (int i = 0; i < codes.size(); ++i) {
        e.box12Codes[i] = codes[i];
        e.box12Amounts[i] = amount;
    }
    return e;
}

} // namespace

// Codes from the "Form W-2 Reference Guide for Box 12 Codes" of the 2026 General Instructions;
// TA, TP and TT are new for 2026 (What's New).
TEST_F(YearChecks, EachYearTakesItsOwnBox12Codes)
{
    for (const QStringList &codes : {QStringList{"TA", "TP", "TT", "II"}, {"A", "V", "Z", "AA"}, {"DD", "HH", "W"}})
        EXPECT_TRUE(check("2026", withCodes(codes)).passes()) << codes.join(' ').toStdString();
    EXPECT_TRUE(check("2025", withCodes({"II", "DD", "FF", "W"})).passes());

    const W2CheckResult in2025 = check("2025", withCodes({"TA", "D", "TT"}));
    EXPECT_EQ(in2025.findings, (QStringList{"Box 12 code 'TA' is not a valid code for tax year 2025.",
                                            "Box 12 code 'TT' is not a valid code for tax year 2025."}));
    EXPECT_TRUE(in2025.critical());
    for (const char *code : {"CC", "X", "U", "I", "O"})
        EXPECT_EQ(check("2026", withCodes({code})).findings,
                  QStringList{QStringLiteral("Box 12 code '%1' is not a valid code for tax year 2026.").arg(code)});

    // 2001 keeps the first version's rule and message.
    EXPECT_EQ(check("2001", withCodes({"W"})).findings, QStringList{"Valid Box 12 codes are 'A' thru 'T' or 'V'"});
    EXPECT_TRUE(check("2001", withCodes({"Q"})).passes());
}

// 2026: wage base $184,500 (box 3), largest tax $11,439.00 (box 4), elective deferrals and
// designated Roth contributions limited to $24,500 (code D). 2025: $176,100 (SSA) and $23,500
// (Notice 2024-80).
TEST_F(YearChecks, WageBaseAndDeferralLimitAreThoseOfTheYear)
{
    W2Entry e = withCodes({"D", "AA", "S", "C"}, "24500");
    e.box3 = "184500.01";
    e.box4 = "11439.00";
    e.box5 = "184500.01";
    e.box6 = "2675.25";
    EXPECT_EQ(check("2026", e).findings, QStringList{"Social Security Wages cannot be greater than $184,500.00"});
    e.box3 = "184500";
    EXPECT_TRUE(check("2026", e).passes());
    for (const char *code : {"D", "E", "F", "G", "H", "S", "AA", "BB", "EE"}) {
        const W2CheckResult r = check("2026", withCodes({code}, "24500.01"));
        EXPECT_EQ(r.findings, QStringList{"Box 12 amount cannot be greater than $24,500.00"}) << code;
        EXPECT_FALSE(r.critical());
    }
    EXPECT_TRUE(check("2026", withCodes({"Y", "DD", "TP"}, "24500.01")).passes()) << "not deferrals";
    EXPECT_EQ(check("2025", withCodes({"E"}, "23500.01")).findings,
              QStringList{"Box 12 amount cannot be greater than $23,500.00"});

    e = consistent();
    e.box3 = "176100.01";
    e.box4 = "10918.20";
    e.box5 = "176100.01";
    e.box6 = "2553.45";
    EXPECT_EQ(check("2025", e).findings, QStringList{"Social Security Wages cannot be greater than $176,100.00"});
}

// Box 14b (2026 on): up to two Treasury tipped occupation codes of three digits, 000 when the
// tips are not qualified. Box 9 is blank on the W-2 since advance EIC ended.
TEST_F(YearChecks, Box14bTakesThreeDigitCodesAndBox9StaysEmpty)
{
    W2Entry e = consistent();
    e.box14b = {"000", "101"};
    EXPECT_TRUE(check("2026", e).passes());
    e.box14b = {"12", "1a3"};
    const W2CheckResult r = check("2026", e);
    EXPECT_EQ(r.findings, (QStringList{"Box 14b code '12' is not a Treasury tipped occupation code: enter three digits "
                                       "(000 when the tips are not qualified).",
                                       "Box 14b code '1a3' is not a Treasury tipped occupation code: enter three "
                                       "digits (000 when the tips are not qualified)."}));
    EXPECT_TRUE(r.critical());
    EXPECT_TRUE(check("2025", e).passes()) << "no box 14b on the W-2 of 2025";

    e = consistent();
    e.box9 = "1";
    EXPECT_EQ(check("2026", e).findings, QStringList{"Box 9 is left blank on the W-2 for tax year 2026."});
    EXPECT_TRUE(check("2001", e).passes());
}
