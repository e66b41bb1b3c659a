#include "data/Money.h"

#include <QtNumeric>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace quillory {

namespace {

const char *const kOutOfRange = "The amount is too large.";

// Digits of an unsigned decimal "123.4567" (at least one digit, optional point).
std::optional<int64_t> parsePlain(const QString &s)
{
    int64_t whole = 0;
    int64_t frac = 0;
    int fracDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    bool roundUp = false;
    for (QChar c : s) {
        if (c == QLatin1Char('.')) {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        seenDigit = true;
        const int d = c.unicode() - '0';
        if (!seenPoint) {
            if (qMulOverflow<int64_t>(whole, 10, &whole) || qAddOverflow<int64_t>(whole, d, &whole))
                return std::nullopt;
        } else if (fracDigits < 4) {
            frac = frac * 10 + d;
            ++fracDigits;
        } else if (fracDigits == 4) {
            roundUp = d >= 5;
            ++fracDigits;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    for (int i = std::min(fracDigits, 4); i < 4; ++i)
        frac *= 10;
    int64_t units = 0;
    if (qMulOverflow<int64_t>(whole, Money::kScale, &units) || qAddOverflow<int64_t>(units, frac, &units) ||
        qAddOverflow<int64_t>(units, roundUp ? 1 : 0, &units))
        return std::nullopt;
    return units;
}

} // namespace

std::optional<Money> Money::parse(const QString &text, const QLocale &locale)
{
    QString s = text.simplified();
    s.remove(QLatin1Char(' '));
    if (s.isEmpty())
        return Money();

    bool negative = false;
    if (s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'))) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    }
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(locale.negativeSign())) {
        negative = !negative;
        s = s.mid(1);
    } else if (s.startsWith(QLatin1Char('+'))) {
        s = s.mid(1);
    }
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty())
        s.remove(symbol);
    s.remove(QLatin1Char('$'));
    if (s.startsWith(QLatin1Char('-')) && !negative) {
        negative = true;
        s = s.mid(1);
    }

    // Locale separators first; the C form ("1234.5") is always understood too.
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    if (decimal != QLatin1String(".") && s.contains(decimal)) {
        if (!group.isEmpty())
            s.remove(group);
        s.replace(decimal, QLatin1String("."));
    } else if (group != QLatin1String(".")) {
        if (!group.isEmpty())
            s.remove(group);
        s.remove(QLatin1Char(','));
    }

    const auto units = parsePlain(s);
    if (!units)
        return std::nullopt;
    return Money(negative ? -*units : *units);
}

Money Money::fromVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return Money();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double scaled = std::round(value.toDouble() * kScale);
        if (!(std::fabs(scaled) < 9.2e18))
            throw std::overflow_error(kOutOfRange);
        return Money(static_cast<int64_t>(scaled));
    }
    case QMetaType::QString: {
        const QString s = value.toString();
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        if (ok)
            return Money(n);
        const auto parsed = parse(s);
        if (!parsed)
            throw std::invalid_argument("Type mismatch: not an amount.");
        return *parsed;
    }
    default:
        return Money(value.toLongLong());
    }
}

QString Money::toPlainString() const
{
    const bool negative = units_ < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(units_) : static_cast<uint64_t>(units_);
    QString out = QString::number(magnitude / kScale);
    uint64_t frac = magnitude % kScale;
    if (frac != 0) {
        QString digits = QString::number(frac).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        out += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + out : out;
}

QString Money::toFixed2() const
{
    const bool negative = units_ < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(units_) : static_cast<uint64_t>(units_);
    uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    QString out = QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    return negative && cents != 0 ? QLatin1Char('-') + out : out;
}

QString Money::toCurrency(const QLocale &locale) const
{
    // Format from the fixed two-decimal text so that large amounts stay exact.
    const QString fixed = toFixed2();
    const bool negative = fixed.startsWith(QLatin1Char('-'));
    const QString digits = negative ? fixed.mid(1) : fixed;
    const int point = digits.indexOf(QLatin1Char('.'));
    // The locale groups the digits of the whole units, even where it leaves numbers ungrouped.
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString whole = grouping.toString(digits.left(point).toULongLong());
    const QString number = whole + locale.decimalPoint() + digits.mid(point + 1);
    // Let the locale place the symbol and sign by formatting a model value.
    QString pattern = locale.toCurrencyString(negative ? -1.0 : 1.0);
    const QString model = QStringLiteral("1") + locale.decimalPoint() + QStringLiteral("00");
    if (!pattern.contains(model))
        return (negative ? QStringLiteral("-") : QString()) + locale.currencySymbol() + number;
    return pattern.replace(model, number);
}

Money Money::operator+(Money other) const
{
    int64_t r = 0;
    if (qAddOverflow<int64_t>(units_, other.units_, &r))
        throw std::overflow_error(kOutOfRange);
    return Money(r);
}

Money Money::operator-(Money other) const
{
    int64_t r = 0;
    if (qSubOverflow<int64_t>(units_, other.units_, &r))
        throw std::overflow_error(kOutOfRange);
    return Money(r);
}

Money Money::operator-() const
{
    if (units_ == std::numeric_limits<int64_t>::min())
        throw std::overflow_error(kOutOfRange);
    return Money(-units_);
}

Money Money::percentOf(double percent) const
{
    // Rates have at most six decimals (6.2, 1.45): work in exact integers so that a product
    // that ends in a half cent rounds away from zero, as on paper.
    const __int128 microPercent = static_cast<__int128>(std::llround(percent * 1e6));
    const __int128 product = static_cast<__int128>(units_) * microPercent; // cents * 1e10
    const __int128 divisor = static_cast<__int128>(10000000000LL);
    __int128 cents = product / divisor;
    const __int128 rest = product % divisor;
    if (rest * 2 >= divisor)
        ++cents;
    else if (rest * 2 <= -divisor)
        --cents;
    const __int128 result = cents * 100;
    if (result > std::numeric_limits<int64_t>::max() || result < std::numeric_limits<int64_t>::min())
        throw std::overflow_error(kOutOfRange);
    return Money(static_cast<int64_t>(result));
}

} // namespace quillory
