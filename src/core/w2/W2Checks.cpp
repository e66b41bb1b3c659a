#include "w2/W2Checks.h"

#include <QRegularExpression>

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

namespace {

// Box 12: each code against the year's list (or the rule of 2001), each deferral against the limit.
void checkBox12(const W2Entry &entry, const Settings &limits, const QLocale &locale, const W2YearForm &form,
                W2CheckResult &result)
{
    // 2001 lists no codes: one message for any code outside its rule; a later year names each.
    const bool ruleOf2001 = form.box12Codes.isEmpty();
    bool invalidCode = false;
    for (const QString &code : entry.box12Codes) {
        if (code.isEmpty() || (ruleOf2001 ? isValidBox12Code(code) : form.find(code) != nullptr))
            continue;
        invalidCode = true;
        if (!ruleOf2001)
            result.findings
                << QStringLiteral("Box 12 code '%1' is not a valid code for tax year %2.").arg(code, form.year);
    }
    if (invalidCode) {
        result.box12 = W2CheckResult::Box12::InvalidCode;
        if (ruleOf2001)
            result.findings << QStringLiteral("Valid Box 12 codes are 'A' thru 'T' or 'V'");
    }

    bool overLimit = false;
    for (size_t i = 0; i < entry.box12Codes.size(); ++i) {
        const QString &code = entry.box12Codes[i];
        const Box12Code *listed = form.find(code);
        const bool deferral = ruleOf2001 ? isElectiveDeferral(code) : listed && listed->deferral;
        if (deferral && fieldAmount(entry.box12Amounts[i], locale) > limits.w2box12)
            overLimit = true;
    }
    if (overLimit) {
        // A deferral finding lets the user go on even with an invalid code listed too.
        result.box12 = W2CheckResult::Box12::DeferralOverLimit;
        result.findings << QStringLiteral("Box 12 amount cannot be greater than ") + limits.w2box12.toCurrency(locale);
    }
}

// Box 14b: up to two Treasury tipped occupation codes of three digits.
void checkBox14b(const W2Entry &entry, W2CheckResult &result)
{
    static const QRegularExpression threeDigits(QStringLiteral("^[0-9]{3}$"));
    for (const QString &code : entry.box14b) {
        if (code.isEmpty() || threeDigits.match(code).hasMatch())
            continue;
        result.invalidBox14b = true;
        result.findings << QStringLiteral("Box 14b code '%1' is not a Treasury tipped occupation code: "
                                          "enter three digits (000 when the tips are not qualified).")
                               .arg(code);
    }
}

} // namespace

W2CheckResult checkW2(const W2Entry &entry, const Settings &limits, bool editsOn, const QLocale &locale,
                      const W2YearForm &form)
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

    if (form.box9Caption.isEmpty() && !box9.isZero())
        result.findings << QStringLiteral("Box 9 is left blank on the W-2 for tax year %1.").arg(form.year);
    else if (box9 > limits.eicMax)
        result.findings << QStringLiteral("EIC cannot be greater than ") + limits.eicMax.toCurrency(locale);

    checkBox12(entry, limits, locale, form, result);
    if (form.box14b)
        checkBox14b(entry, result);
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
