#include "data/Address.h"

#include <QRegularExpression>

namespace quillory {

namespace {

QStringList filledLines(const QStringList &lines)
{
    QStringList filled;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            filled << line.trimmed();
    return filled;
}

} // namespace

CityLine splitCityLine(const QString &line)
{
    static const QRegularExpression cityLine(
        QStringLiteral("^(.*?[^,\\s])[,\\s]+([A-Za-z]{2})\\.?\\s+(\\d{5})(?:\\s*-?\\s*(\\d{4}))?$"));
    const QRegularExpressionMatch m = cityLine.match(line.trimmed());
    if (!m.hasMatch())
        return {};
    return {m.captured(1), m.captured(2).toUpper(), m.captured(3), m.captured(4), true};
}

Address parseAddress(const QStringList &lines)
{
    const QStringList filled = filledLines(lines);
    Address a;
    for (int i = filled.size() - 1; i >= 1; --i) {
        const CityLine city = splitCityLine(filled.at(i));
        if (!city.ok)
            continue;
        a.city = city.city;
        a.state = city.state;
        a.zip = city.zip;
        a.zipExt = city.zipExt;
        a.delivery = filled.at(i - 1);
        if (i >= 2)
            a.location = filled.at(i - 2);
        a.ok = true;
        break;
    }
    return a;
}

AddressBoxes addressBoxes(const QStringList &lines)
{
    const QStringList filled = filledLines(lines);
    AddressBoxes boxes;
    const qsizetype n = filled.size();
    if (n == 0)
        return boxes;
    const CityLine city = splitCityLine(filled.last());
    if (city.ok) {
        boxes.city = city.city;
        boxes.state = city.state;
        boxes.zip = city.zipExt.isEmpty() ? city.zip : city.zip + QLatin1Char('-') + city.zipExt;
    } else {
        boxes.city = filled.last();
    }
    if (n >= 2)
        boxes.street = filled.at(n - 2);
    if (n >= 3)
        boxes.suite = filled.at(n - 3);
    return boxes;
}

} // namespace quillory
