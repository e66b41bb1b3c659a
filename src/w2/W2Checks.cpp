#include "w2/W2Checks.h"

namespace quillory {

namespace {

Money roundedToCents(Money m)
{
    const int64_t units = m.units();
    const int64_t rest = units % 100;
    int64_t cents = units / 100;
    if (rest >= 50)
        ++cents;
    else if (rest <= -50)
        --cents;
    return Money::fromCents(cents);
}

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

Money fieldAmount(const QString &text, const QLocale &locale)
{
    if (const auto m = Money::parse(text, locale))
        return roundedToCents(*m);
    // Text that is not a whole number counts as the number its leading characters spell.
    const QString t = text.trimmed();
    int end = 0;
    if (end < t.size() && (t[end] == QLatin1Char('-') || t[end] == QLatin1Char('+')))
        ++end;
    bool point = false;
    while (end < t.size() && (t[end].isDigit() || (!point && t[end] == QLatin1Char('.')))) {
        point = point || t[end] == QLatin1Char('.');
        ++end;
    }
    const auto leading = Money::parse(t.left(end), QLocale::c());
    return leading ? roundedToCents(*leading) : Money();
}

bool isValidBox12Code(const QString &code)
{
    return !(code > QLatin1String("V") || code == QLatin1String("U") || code < QLatin1String("A"));
}

bool isElectiveDeferral(const QString &code)
{
    if (code.isEmpty())
        return false;
    const QChar c = code.at(0);
    return (c >= QLatin1Char('D') && c <= QLatin1Char('H')) || c == QLatin1Char('S');
}

W2CheckResult checkW2(const W2Entry &entry, const Settings &limits, bool editsOn, const QLocale &locale)
{
    W2CheckResult result;
    if (entry.firstName.isEmpty()) {
        result.missing = W2CheckResult::Missing::FirstName;
        return result;
    }
    if (entry.lastName.isEmpty()) {
        result.missing = W2CheckResult::Missing::LastName;
        return result;
    }
    if (!editsOn)
        return result;

    const Money box3 = fieldAmount(entry.box3, locale);
    const Money box4 = fieldAmount(entry.box4, locale);
    const Money box5 = fieldAmount(entry.box5, locale);
    const Money box6 = fieldAmount(entry.box6, locale);
    const Money box9 = fieldAmount(entry.box9, locale);

    if (box3 > limits.ssWages)
        result.findings << QStringLiteral("Social Security Wages cannot be greater than ") +
                               limits.ssWages.toCurrency(locale);

    const Money ssTax = box3.percentOf(limits.ssTaxPct);
    if (ssTax != box4 || box4 > limits.ssTaxMax) {
        const Money should = ssTax > limits.ssTaxMax ? limits.ssTaxMax : ssTax;
        result.findings << QStringLiteral("Social Security Tax Withheld should be ") + should.toCurrency(locale);
    }

    const Money mdTax = box5.percentOf(limits.mdTaxPct);
    if (mdTax != box6)
        result.findings << QStringLiteral("Medicare Tax Withheld should be ") + mdTax.toCurrency(locale);

    if (box9 > limits.eicMax)
        result.findings << QStringLiteral("EIC cannot be greater than ") + limits.eicMax.toCurrency(locale);

    bool invalidCode = false;
    for (const QString &code : entry.box12Codes) {
        if (!code.isEmpty() && !isValidBox12Code(code))
            invalidCode = true;
    }
    if (invalidCode) {
        result.box12 = W2CheckResult::Box12::InvalidCode;
        result.findings << QStringLiteral("Valid Box 12 codes are 'A' thru 'T' or 'V'");
    }

    bool overLimit = false;
    for (size_t i = 0; i < entry.box12Codes.size(); ++i) {
        if (isElectiveDeferral(entry.box12Codes[i]) && fieldAmount(entry.box12Amounts[i], locale) > limits.w2box12)
            overLimit = true;
    }
    if (overLimit) {
        // A deferral finding lets the user go on even with an invalid code listed too.
        result.box12 = W2CheckResult::Box12::DeferralOverLimit;
        result.findings << QStringLiteral("Box 12 amount cannot be greater than ") + limits.w2box12.toCurrency(locale);
    }
    return result;
}

QString W2CheckResult::message() const
{
    QString text = QStringLiteral("The following errors were encountered: \n\n");
    for (const QString &f : findings)
        text += f + QLatin1Char('\n');
    text += QLatin1Char('\n');
    text += critical() ? QStringLiteral("Critical error!") : QStringLiteral("Continue?");
    return text;
}

const QString SickPayPrompt::title = QStringLiteral("Sick Pay Withheld");

const QString SickPayPrompt::first =
    QStringLiteral("Enter the amount of income tax withheld by the payer") + kCrLf +
    QStringLiteral("of 3rd Party Sick Pay.  It should also be part of the total") + kCrLf +
    QStringLiteral("included in the box 2 amount.  Do NOT enter the dollar sign ($) or comma (,) in this field, ") +
    kCrLf + QStringLiteral("but you can enter a decimal, e.g. 1234.22");

const QString SickPayPrompt::notNumber =
    QStringLiteral("Enter the amount of income tax withheld by the payer") + kCrLf +
    QStringLiteral("of 3rd Party Sick Pay.  It should also be part of the total") + kCrLf +
    QStringLiteral("included in the box 2 amount. ") + kCrLf +
    QStringLiteral("DO NOT enter the dollar sign ($) or commma (,) in this field ") + kCrLf +
    QStringLiteral("but you can enter a decimal, e.g. 1234.22");

const QString SickPayPrompt::tooLarge =
    QStringLiteral("Enter the amount of income tax withheld by the payer") + kCrLf +
    QStringLiteral("of 3rd Party Sick Pay.  This amount MUST be less than or equal to amount in box 2.");

SickPayPrompt::Verdict SickPayPrompt::check(const QString &entry, const QString &box2, std::optional<Money> &accepted,
                                            const QLocale &locale)
{
    accepted.reset();
    const QString trimmed = entry.trimmed();
    const auto amount = trimmed.isEmpty() ? std::nullopt : Money::parse(trimmed, locale);
    if (!amount)
        return Verdict::NotANumber;
    if (*amount > fieldAmount(box2, locale))
        return Verdict::TooLarge;
    accepted = amount;
    return Verdict::Accepted;
}

} // namespace quillory
