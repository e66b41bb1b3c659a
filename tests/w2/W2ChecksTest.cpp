#include "w2/W2Checks.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

Settings limits2001()
{
    Settings s;
    s.year = QStringLiteral("2001");
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
    e.firstName = QStringLiteral("Ann");
    e.lastName = QStringLiteral("O'Neil");
    e.box3 = QStringLiteral("1000.00");
    e.box4 = QStringLiteral("$62.00");
    e.box5 = QStringLiteral("1,000.00");
    e.box6 = QStringLiteral("14.50");
    return e;
}

QStringList findings(const W2Entry &e)
{
    return checkW2(e, limits2001(), true, QLocale(QLocale::English, QLocale::UnitedStates)).findings;
}

} // namespace

TEST(W2Checks, NamesAreRequiredOneAtATimeBeforeAnyAmount)
{
    W2Entry e;
    e.box3 = QStringLiteral("999999");
    EXPECT_EQ(checkW2(e, limits2001(), true).missing, W2CheckResult::Missing::FirstName);
    e.firstName = QStringLiteral("Ann");
    EXPECT_EQ(checkW2(e, limits2001(), true).missing, W2CheckResult::Missing::LastName);
    e.lastName = QStringLiteral("Lee");
    // With the edits off, anything with both names passes.
    e.box12Codes[0] = QStringLiteral("U");
    EXPECT_TRUE(checkW2(e, limits2001(), false).passes());
}

TEST(W2Checks, TaxesAreCheckedToTheCent)
{
    EXPECT_TRUE(findings(consistent()).isEmpty());
    W2Entry e = consistent();
    e.box4 = QStringLiteral("62.01");
    EXPECT_EQ(findings(e), QStringList{QStringLiteral("Social Security Tax Withheld should be $62.00")});

    e = consistent();
    e.box5 = QStringLiteral("100.00");
    e.box6 = QString();
    EXPECT_EQ(findings(e), QStringList{QStringLiteral("Medicare Tax Withheld should be $1.45")});

    e = consistent();
    e.box3 = e.box4 = e.box5 = e.box6 = QString();
    EXPECT_TRUE(findings(e).isEmpty());
}

TEST(W2Checks, WagesAboveTheBaseNameTheLargestTax)
{
    W2Entry e = consistent();
    e.box3 = QStringLiteral("90000.00");
    e.box4 = QStringLiteral("5580.00");
    EXPECT_EQ(findings(e), (QStringList{QStringLiteral("Social Security Wages cannot be greater than $80,400.00"),
                                        QStringLiteral("Social Security Tax Withheld should be $4,984.80")}));
}

TEST(W2Checks, AdvanceEicAboveItsLimit)
{
    W2Entry e = consistent();
    e.box9 = QStringLiteral("1457.01");
    EXPECT_EQ(findings(e), QStringList{QStringLiteral("EIC cannot be greater than $1,457.00")});
}

TEST(W2Checks, InvalidBox12CodesAreCriticalAndListedOnce)
{
    for (const char *code : {"U", "W", "1", "a"}) {
        W2Entry e = consistent();
        e.box12Codes = {QString::fromLatin1(code), QStringLiteral("Z"), QString(), QString()};
        const W2CheckResult r = checkW2(e, limits2001(), true);
        EXPECT_EQ(r.findings, QStringList{QStringLiteral("Valid Box 12 codes are 'A' thru 'T' or 'V'")}) << code;
        EXPECT_TRUE(r.critical());
        EXPECT_TRUE(r.message().endsWith(QStringLiteral("Critical error!")));
    }
    for (const char *code : {"A", "T", "V", "D"})
        EXPECT_TRUE(isValidBox12Code(QString::fromLatin1(code))) << code;
}

TEST(W2Checks, ElectiveDeferralsAboveTheLimitAskToContinue)
{
    W2Entry e = consistent();
    e.box12Codes = {QStringLiteral("C"), QString(), QString(), QStringLiteral("D")};
    e.box12Amounts = {QStringLiteral("20000"), QString(), QString(), QStringLiteral("10500.01")};
    const W2CheckResult r = checkW2(e, limits2001(), true);
    EXPECT_EQ(r.findings, QStringList{QStringLiteral("Box 12 amount cannot be greater than $10,500.00")});
    EXPECT_FALSE(r.critical());
    EXPECT_EQ(r.message(), QStringLiteral("The following errors were encountered: \n\n"
                                          "Box 12 amount cannot be greater than $10,500.00\n\nContinue?"));
    // Code C is not a deferral: no finding at any amount.
    e.box12Codes[3] = QStringLiteral("C");
    EXPECT_TRUE(checkW2(e, limits2001(), true).passes());
    // An invalid code together with a deferral over the limit lists both and may go on.
    e.box12Codes = {QStringLiteral("S"), QStringLiteral("U"), QString(), QString()};
    e.box12Amounts[0] = QStringLiteral("11000");
    const W2CheckResult both = checkW2(e, limits2001(), true);
    EXPECT_EQ(both.findings.size(), 2);
    EXPECT_FALSE(both.critical());
}

TEST(W2Checks, FieldAmountsRoundToCentsAndReadLeadingNumbers)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(fieldAmount(QStringLiteral("$1,234.565"), us), Money::fromCents(123457));
    EXPECT_EQ(fieldAmount(QString(), us), Money());
    EXPECT_EQ(fieldAmount(QStringLiteral("12abc"), us), Money::fromCents(1200));
    EXPECT_EQ(fieldAmount(QStringLiteral("abc"), us), Money());
}

TEST(SickPayPrompt, AcceptsOnlyANumberNoGreaterThanBox2)
{
    std::optional<Money> amount;
    EXPECT_EQ(SickPayPrompt::check(QStringLiteral("600"), QStringLiteral("$500.00"), amount),
              SickPayPrompt::Verdict::TooLarge);
    EXPECT_EQ(SickPayPrompt::check(QStringLiteral("abc"), QStringLiteral("500"), amount),
              SickPayPrompt::Verdict::NotANumber);
    EXPECT_EQ(SickPayPrompt::check(QString(), QStringLiteral("500"), amount), SickPayPrompt::Verdict::NotANumber);
    EXPECT_EQ(SickPayPrompt::check(QStringLiteral("500"), QStringLiteral("500"), amount),
              SickPayPrompt::Verdict::Accepted);
    ASSERT_TRUE(amount);
    EXPECT_EQ(amount->toPlainString(), QStringLiteral("500"));
    EXPECT_TRUE(SickPayPrompt::first.contains(QStringLiteral("\r\nof 3rd Party Sick Pay.")));
}
