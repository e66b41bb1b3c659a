#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace quillory {

// An exact currency amount in ten-thousandths, the way the database stores it.
class Money {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(int64_t units) { return Money(units); }
    static constexpr Money fromCents(int64_t cents) { return Money(cents * 100); }

    // Reads what a user typed: "1234.5", "-7", "$1,234.50", "(12.00)", in the given
    // locale or the plain C form. Empty text is 0. Refuses text that is not a number
    // or does not fit; more than four decimals are rounded half away from zero.
    static std::optional<Money> parse(const QString &text, const QLocale &locale = QLocale::c());

    // Reads a stored value: Null and empty are 0; a double is rounded to four decimals.
    static Money fromVariant(const QVariant &value);

    constexpr int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }
    constexpr bool isZero() const { return units_ == 0; }
    QVariant toVariant() const { return QVariant::fromValue<qlonglong>(units_); }

    // The value as a plain number with no trailing zeros ("1234.5", "0", "-0.0001").
    QString toPlainString() const;
    // Two decimals, rounded half away from zero, no separators ("1234.50").
    QString toFixed2() const;
    // The locale's currency form ("$1,234.50").
    QString toCurrency(const QLocale &locale = QLocale()) const;

    // Arithmetic throws std::overflow_error instead of wrapping.
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money &operator+=(Money other) { return *this = *this + other; }
    Money &operator-=(Money other) { return *this = *this - other; }
    // Multiplies by a percentage rate and rounds to the cent, half away from zero.
    Money percentOf(double percent) const;

    friend constexpr bool operator==(Money a, Money b) { return a.units_ == b.units_; }
    friend constexpr bool operator!=(Money a, Money b) { return a.units_ != b.units_; }
    friend constexpr bool operator<(Money a, Money b) { return a.units_ < b.units_; }
    friend constexpr bool operator>(Money a, Money b) { return a.units_ > b.units_; }
    friend constexpr bool operator<=(Money a, Money b) { return a.units_ <= b.units_; }
    friend constexpr bool operator>=(Money a, Money b) { return a.units_ >= b.units_; }

private:
    constexpr explicit Money(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

} // namespace quillory
