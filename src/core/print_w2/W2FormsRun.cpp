#include "print_w2/W2FormsRun.h"

namespace quillory {

QString FormatSsn(const QString &stored)
{
    const QString trimmed = stored.trimmed();
    QString digits;
    for (QChar c : trimmed)
        if (c.isDigit())
            digits += c;
    digits = digits.right(9).rightJustified(9, QLatin1Char('0'));
    QString text = digits.left(3) + QLatin1Char('-') + digits.mid(3, 2) + QLatin1Char('-') + digits.mid(5);
    if (!trimmed.isEmpty() && (trimmed.endsWith(QLatin1Char('a')) || trimmed.endsWith(QLatin1Char('A'))))
        text += QLatin1Char('A');
    return text;
}

std::optional<PrintedValue> W2ColumnRule(const ColumnValue &column)
{
    const QString &name = column.column.name;
    if (name.compare(QLatin1String("Boxb"), Qt::CaseInsensitive) == 0 && column.text.startsWith(QLatin1String("AF")))
        return PrintedValue{QStringLiteral("Applied For "), false};
    if (name.compare(QLatin1String("Boxd"), Qt::CaseInsensitive) == 0)
        return PrintedValue{column.value.isNull() ? QString() : FormatSsn(column.text), false};
    if (column.column.kind == ColumnKind::Flag)
        return PrintedValue{column.value.toLongLong() != 0 ? QStringLiteral("x") : QStringLiteral(" "), false};
    return AmountByJustify(column);
}

const TwoUpForm &W2TwoUpForm()
{
    static const TwoUpForm form{
        QStringLiteral("W2"),   QStringLiteral("W2"), QStringLiteral("id"), QStringLiteral("W-2"),
        QStringLiteral("boxb"), W2ColumnRule,         QStringLiteral("W2"), {}};
    return form;
}

} // namespace quillory
