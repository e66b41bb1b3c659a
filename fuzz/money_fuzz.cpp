// Reading a typed amount never fails badly, agrees with exact decimal arithmetic on the
// plain form, and every amount it reads writes back in each form and reads again alike.

#include "FuzzCheck.h"
#include "data/Money.h"

#include <limits>
#include <optional>

using quillory::Money;
using quillory::fuzz::shown;

namespace {

struct Plain {
    bool fits;
    int64_t units;
};

// "[+-]digits[.digits]" read with 128-bit integers, rounded half away from zero to four
// decimals; nothing when the text has another form.
std::optional<Plain> readPlain(const QString &s)
{
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    __int128 whole = 0;
    bool tooLarge = false;
    bool digit = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        digit = true;
        whole = whole * 10 + (s[i].unicode() - '0');
        if (whole > std::numeric_limits<int64_t>::max()) {
            tooLarge = true;
            whole = std::numeric_limits<int64_t>::max(); // keeps the product below overflow
        }
    }
    __int128 frac = 0;
    int decimals = 0;
    bool roundUp = false;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++decimals) {
            digit = true;
            if (decimals < 4)
                frac = frac * 10 + (s[i].unicode() - '0');
            else if (decimals == 4)
                roundUp = s[i] >= '5';
        }
    }
    if (i != s.size() || !digit)
        return std::nullopt;
    for (int d = decimals; d < 4; ++d)
        frac *= 10;
    const __int128 units = whole * Money::kScale + frac + (roundUp ? 1 : 0);
    if (tooLarge || units > std::numeric_limits<int64_t>::max())
        return Plain{false, 0};
    return Plain{true, static_cast<int64_t>(negative ? -units : units)};
}

// The amount rounded half away from zero to whole cents.
Money cents(Money m)
{
    int64_t c = m.units() / 100;
    const int64_t rest = m.units() % 100;
    if (rest >= 50)
        ++c;
    else if (rest <= -50)
        --c;
    return Money::fromUnits(c * 100);
}

void checkWritesBack(Money m, const QLocale &locale)
{
    const QString plain = m.toPlainString();
    const auto again = Money::parse(plain);
    FUZZ_CHECK(again && *again == m, "%lld -> '%s'", (long long)m.units(), shown(plain).constData());

    const QString fixed = m.toFixed2();
    const auto fromFixed = Money::parse(fixed);
    FUZZ_CHECK(fromFixed && *fromFixed == cents(m), "%lld -> '%s'", (long long)m.units(), shown(fixed).constData());

    const QString currency = m.toCurrency(locale);
    const auto fromCurrency = Money::parse(currency, locale);
    FUZZ_CHECK(fromCurrency && *fromCurrency == cents(m), "%lld -> '%s' in %s", (long long)m.units(),
               shown(currency).constData(), shown(locale.name()).constData());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = quillory::fuzz::text(data, size);
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};

    const auto m = Money::parse(text);
    if (const auto plain = readPlain(text)) {
        FUZZ_CHECK(plain->fits == m.has_value() && (!m || m->units() == plain->units), "'%s' read %s %lld",
                   shown(text).constData(), m ? "as" : "as nothing, expected", (long long)plain->units);
    }
    for (const QLocale &locale : locales) {
        if (const auto read = Money::parse(text, locale))
            checkWritesBack(*read, locale);
    }
    return 0;
}
