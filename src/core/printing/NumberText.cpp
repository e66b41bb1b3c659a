#include "printing/NumberText.h"

#include <cmath>

namespace quillory {

QString NumberToText(double value)
{
    if (value == 0.0)
        return QStringLiteral(" 0"); // also -0
    QString digits = QString::number(std::fabs(value), 'g', 15).toUpper();
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

double LeadingNumber(const QString &text)
{
    QString number;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); skipBlanks()) {
            number += text[i++];
            any = true;
        }
        return any;
    };

    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += text[i++];
    bool digits = takeDigits();
    if (i < n && text[i] == QLatin1Char('.')) {
        number += text[i++];
        digits = takeDigits() || digits;
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        // The exponent counts only when digits follow it.
        const QString mantissa = number;
        const int at = i;
        number += QLatin1Char('e');
        ++i;
        skipBlanks();
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            number += text[i++];
        if (!takeDigits()) {
            number = mantissa;
            i = at;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (ok)
        return value;
    // Only an exponent out of range gets here: the value is infinite or vanishes.
    return std::strtod(number.toLatin1().constData(), nullptr);
}

std::optional<double> WholeNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace quillory
