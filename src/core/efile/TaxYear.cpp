#include "efile/TaxYear.h"

#include "data/Database.h"
#include "data/Money.h"
#include "data/Settings.h"
#include "data/TaxYears.h"
#include "efile/EfileData.h"

#include <stdexcept>

namespace quillory::efile {

namespace {

struct Value {
    QString TaxYearText::*text;
    const char *label;
    bool rate;
};
const Value kValues[] = {
    {&TaxYearText::ssWages, "The social security wage base", false},
    {&TaxYearText::ssTaxPct, "The social security tax rate", true},
    {&TaxYearText::ssTaxMax, "The largest social security tax", false},
    {&TaxYearText::mdTaxPct, "The Medicare tax rate", true},
    {&TaxYearText::eicMax, "The largest advance EIC payment", false},
    {&TaxYearText::w2box12, "The box 12 elective deferral limit", false},
};

std::optional<double> rateOf(const QString &text)
{
    bool ok = false;
    const double rate = text.trimmed().toDouble(&ok);
    if (!ok || !(rate >= 0 && rate <= 100))
        return std::nullopt;
    return rate;
}

TaxYearText textOf(const Settings &s)
{
    return {s.year,
            s.ssWages.toFixed2(),
            QString::number(s.ssTaxPct),
            s.ssTaxMax.toFixed2(),
            QString::number(s.mdTaxPct),
            s.eicMax.toFixed2(),
            s.w2box12.toFixed2()};
}

} // namespace

TaxYearText readTaxYear(Database &db)
{
    return textOf(Settings::read(db));
}

QVector<TaxYearText> knownTaxYearTexts(Database &db)
{
    QVector<TaxYearText> years;
    for (const Settings &s : knownTaxYears(db))
        years.append(textOf(s));
    return years;
}

QStringList checkTaxYearText(const TaxYearText &text)
{
    QStringList problems;
    if (taxYearNumber(text.year) == 0)
        problems << QStringLiteral("The tax year must be a year of four digits, such as 2024.");
    for (const Value &v : kValues) {
        const QString &value = text.*v.text;
        if (v.rate) {
            if (!rateOf(value))
                problems << QLatin1String(v.label) + QStringLiteral(" must be a percentage from 0 to 100.");
        } else {
            const std::optional<Money> amount = Money::parse(value.trimmed());
            if (!amount || *amount < Money())
                problems << QLatin1String(v.label) + QStringLiteral(" must be an amount of 0 or more.");
        }
    }
    return problems;
}

void storeTaxYear(Database &db, const TaxYearText &text)
{
    if (!checkTaxYearText(text).isEmpty())
        throw std::invalid_argument("tax year values not checked");
    Settings values;
    values.year = text.year.trimmed();
    values.ssWages = *Money::parse(text.ssWages.trimmed());
    values.ssTaxPct = *rateOf(text.ssTaxPct);
    values.ssTaxMax = *Money::parse(text.ssTaxMax.trimmed());
    values.mdTaxPct = *rateOf(text.mdTaxPct);
    values.eicMax = *Money::parse(text.eicMax.trimmed());
    values.w2box12 = *Money::parse(text.w2box12.trimmed());
    Settings::storeYearValues(db, values);
}

} // namespace quillory::efile
