#include "efile/EfileData.h"

#include "efile/FixedRecord.h"

#include <QHash>
#include <QRegularExpression>

namespace quillory::efile {

namespace {
bool nineDigits(const QString &text, const QString &shape)
{
    const QString d = digitsOf(text);
    if (d.size() != 9 || d == QStringLiteral("000000000"))
        return false;
    // Only digits and the dashes of its usual shape: "12-345X6789" is a typing mistake.
    static const QRegularExpression plain(QStringLiteral("^\\d{9}$"));
    return plain.match(text.trimmed()).hasMatch() || QRegularExpression(shape).match(text.trimmed()).hasMatch();
}
} // namespace

bool validEin(const QString &text)
{
    return nineDigits(text, QStringLiteral("^\\d{2}-\\d{7}$")) && !digitsOf(text).startsWith(QStringLiteral("00"));
}

bool validSsn(const QString &text)
{
    if (!nineDigits(text, QStringLiteral("^\\d{3}-\\d{2}-\\d{4}$")))
        return false;
    const QString d = digitsOf(text);
    const QString area = d.left(3);
    return area != QStringLiteral("000") && area != QStringLiteral("666") && !area.startsWith(QLatin1Char('9')) &&
           d.mid(3, 2) != QStringLiteral("00") && d.right(4) != QStringLiteral("0000");
}

bool validTin(const QString &text)
{
    return validEin(text) || nineDigits(text, QStringLiteral("^\\d{3}-\\d{2}-\\d{4}$"));
}

QString typeOfTin(const QString &text)
{
    if (QRegularExpression(QStringLiteral("^\\d{2}-\\d{7}$")).match(text.trimmed()).hasMatch())
        return QStringLiteral("1");
    if (QRegularExpression(QStringLiteral("^\\d{3}-\\d{2}-\\d{4}$")).match(text.trimmed()).hasMatch())
        return QStringLiteral("2");
    return QString();
}

PersonName splitName(const QString &firstAndInitial, const QString &last)
{
    PersonName n;
    QStringList first = firstAndInitial.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (first.size() >= 2) {
        QString initial = first.last();
        initial.remove(QLatin1Char('.'));
        if (initial.size() == 1) {
            n.middle = initial;
            first.removeLast();
        }
    }
    n.first = first.join(QLatin1Char(' '));
    static const QStringList suffixes{QStringLiteral("JR"), QStringLiteral("SR"), QStringLiteral("II"),
                                      QStringLiteral("III"), QStringLiteral("IV")};
    QStringList lastWords = last.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (lastWords.size() >= 2) {
        QString suffix = lastWords.last().toUpper();
        suffix.remove(QLatin1Char('.'));
        if (suffixes.contains(suffix)) {
            n.suffix = suffix;
            lastWords.removeLast();
            if (lastWords.last().endsWith(QLatin1Char(',')))
                lastWords.last().chop(1);
        }
    }
    n.last = lastWords.join(QLatin1Char(' '));
    return n;
}

QString stateNumber(const QString &abbreviation)
{
    static const QHash<QString, QString> codes = [] {
        const char *const table[][2] = {
            {"AL", "01"}, {"AK", "02"}, {"AZ", "04"}, {"AR", "05"}, {"CA", "06"}, {"CO", "08"}, {"CT", "09"},
            {"DE", "10"}, {"DC", "11"}, {"FL", "12"}, {"GA", "13"}, {"HI", "15"}, {"ID", "16"}, {"IL", "17"},
            {"IN", "18"}, {"IA", "19"}, {"KS", "20"}, {"KY", "21"}, {"LA", "22"}, {"ME", "23"}, {"MD", "24"},
            {"MA", "25"}, {"MI", "26"}, {"MN", "27"}, {"MS", "28"}, {"MO", "29"}, {"MT", "30"}, {"NE", "31"},
            {"NV", "32"}, {"NH", "33"}, {"NJ", "34"}, {"NM", "35"}, {"NY", "36"}, {"NC", "37"}, {"ND", "38"},
            {"OH", "39"}, {"OK", "40"}, {"OR", "41"}, {"PA", "42"}, {"RI", "44"}, {"SC", "45"}, {"SD", "46"},
            {"TN", "47"}, {"TX", "48"}, {"UT", "49"}, {"VT", "50"}, {"VA", "51"}, {"WA", "53"}, {"WV", "54"},
            {"WI", "55"}, {"WY", "56"}, {"AS", "60"}, {"GU", "66"}, {"MP", "69"}, {"PR", "72"}, {"VI", "78"},
        };
        QHash<QString, QString> h;
        for (const auto &row : table)
            h.insert(QString::fromLatin1(row[0]), QString::fromLatin1(row[1]));
        return h;
    }();
    return codes.value(abbreviation.trimmed().toUpper());
}

int taxYearNumber(const QString &year)
{
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    return fourDigits.match(year.trimmed()).hasMatch() ? year.trimmed().toInt() : 0;
}

} // namespace quillory::efile
