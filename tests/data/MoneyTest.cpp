#include "data/Money.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

using quillory::Money;

namespace {

int64_t units(const char *text, const QLocale &locale = QLocale::c())
{
    const auto m = Money::parse(QString::fromUtf8(text), locale);
    EXPECT_TRUE(m.has_value()) << text;
    return m ? m->units() : -1;
}

} // namespace

TEST(Money, ParsesWhatUsersTypeExactlyToTheTenThousandth)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    // A fifth decimal rounds half away from zero.
    const QPair<const char *, int64_t> plain[] = {{"1234.5", 12345000}, {"0.0001", 1}, {"-7", -70000},
                                                  {"  42 ", 420000},    {"", 0},       {"0.00005", 1},
                                                  {"-0.00005", -1},     {"0.00004", 0}};
    for (const auto &[text, expected] : plain)
        EXPECT_EQ(units(text), expected) << text;
    const QPair<const char *, int64_t> local[] = {{"$1,234.50", 12345000}, {"(12.00)", -120000}, {"-$3.25", -32500}};
    for (const auto &[text, expected] : local)
        EXPECT_EQ(units(text, us), expected) << text;
    // German form: comma decimal, dot groups.
    EXPECT_EQ(units("1.234,56", QLocale(QLocale::German, QLocale::Germany)), 12345600);
}

TEST(Money, RefusesTextThatIsNotAnAmountOrDoesNotFit)
{
    for (const char *bad : {"abc", "1.2.3", "12a", "--5", "$", ".", "1e5", "١٢"})
        EXPECT_FALSE(Money::parse(QString::fromUtf8(bad)).has_value()) << bad;
    EXPECT_TRUE(Money::parse("922337203685477.5807").has_value());
    EXPECT_FALSE(Money::parse("922337203685477.5808").has_value());
    EXPECT_FALSE(Money::parse("99999999999999999999").has_value());
}

TEST(Money, FormatsPlainFixedAndCurrency)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Money::fromUnits(12345000).toPlainString(), "1234.5");
    EXPECT_EQ(Money::fromUnits(-1).toPlainString(), "-0.0001");
    EXPECT_EQ(Money().toPlainString(), "0");
    EXPECT_EQ(Money::fromUnits(12345000).toFixed2(), "1234.50");
    EXPECT_EQ(Money::fromUnits(50).toFixed2(), "0.01");
    EXPECT_EQ(Money::fromUnits(-49).toFixed2(), "0.00");
    EXPECT_EQ(Money::fromUnits(12345000).toCurrency(us), "$1,234.50");
    EXPECT_EQ(Money::fromUnits(-10000).toCurrency(us), "($1.00)"); // the locale's own negative form
    EXPECT_EQ(Money().toCurrency(us), "$0.00");
    // Large amounts stay exact; a double would lose the last digits.
    EXPECT_EQ(Money::fromUnits(std::numeric_limits<int64_t>::max()).toCurrency(us), "$922,337,203,685,477.58");
}

TEST(Money, ArithmeticOverflowIsAnErrorNotAWrap)
{
    const Money max = Money::fromUnits(std::numeric_limits<int64_t>::max());
    EXPECT_THROW(max + Money::fromUnits(1), std::overflow_error);
    EXPECT_THROW(-Money::fromUnits(std::numeric_limits<int64_t>::min()), std::overflow_error);
    EXPECT_EQ((Money::fromCents(250) + Money::fromCents(-100)).units(), 15000);
}

TEST(Money, PercentRoundsToTheCent)
{
    EXPECT_EQ(Money::fromCents(8040000).percentOf(6.2), Money::fromCents(498480));
    EXPECT_EQ(Money::fromCents(100).percentOf(1.45), Money::fromCents(1));   // 0.0145
    EXPECT_EQ(Money::fromCents(1000).percentOf(1.45), Money::fromCents(15)); // 0.145 rounds up
}

TEST(Money, StoredValuesReadBackWithNullAsZero)
{
    EXPECT_EQ(Money::fromVariant(QVariant()).units(), 0);
    EXPECT_EQ(Money::fromVariant(QVariant(qlonglong(12345))).units(), 12345);
    EXPECT_EQ(Money::fromVariant(QVariant(1.23456)).units(), 12346);
    EXPECT_EQ(Money::fromVariant(Money::fromCents(-5).toVariant()), Money::fromCents(-5));
}
