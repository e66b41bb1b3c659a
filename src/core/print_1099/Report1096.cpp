#include "print_1099/Report1096.h"

#include "data/Money.h"
#include "data/RecordSet.h"

namespace quillory {

ReportLine report1096Title(const QString &year, const QDate &today)
{
    return {year + QStringLiteral(" 1096 Summary Report"), today.toString(QStringLiteral("MM/dd/yy"))};
}

QVector<ReportLine> report1096Block(const RecordSet &row, const QLocale &locale)
{
    const QString pad(10, QLatin1Char(' '));
    const auto text = [&](const char *column) { return row.text(QLatin1String(column)); };
    QVector<ReportLine> lines;
    if (!text("Box1").isEmpty())
        lines.append({QStringLiteral("  Tax ID: ") + text("Box1"), {}});
    if (!text("Box2").isEmpty())
        lines.append({QStringLiteral("  SSN: ") + text("Box2"), {}});
    lines.append({QStringLiteral("Employer: ") + text("PayerName"), {}});
    lines.append({pad + text("PayerL1"), {}});
    lines.append(
        {pad + text("PayerL2"), QStringLiteral("  Box 4:  ") + row.money(QStringLiteral("Box4")).toCurrency(locale)});
    lines.append(
        {pad + text("PayerL3"), QStringLiteral("  Box 5:  ") + row.money(QStringLiteral("Box5")).toCurrency(locale)});
    lines.append({QStringLiteral("No of 1099s: ") + text("Box3"), {}});
    lines.append(ReportLine());
    lines.append(ReportLine());
    return lines;
}

} // namespace quillory
