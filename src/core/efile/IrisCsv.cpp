#include "efile/IrisCsv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

namespace quillory::efile {

IrisTemplate parseIrisTemplate(const QByteArray &bytes)
{
    IrisTemplate t;
    int end = 0;
    const QByteArray bom("\xEF\xBB\xBF");
    const int start = bytes.startsWith(bom) ? bom.size() : 0;
    t.columns = parseCsvRecord(bytes.mid(start), &end);
    end += start;
    int headerEnd = end;
    while (headerEnd > start && (bytes.at(headerEnd - 1) == '\n' || bytes.at(headerEnd - 1) == '\r'))
        --headerEnd;
    t.header = bytes.left(headerEnd);
    t.lineEnd = bytes.mid(headerEnd, end - headerEnd);
    if (t.lineEnd.isEmpty())
        t.lineEnd = "\r\n";
    // Blank trailing names (a spreadsheet's extra commas) stay: every row keeps the header's width.
    if (t.columns.size() - t.columns.count(QString()) < 2)
        throw std::runtime_error("The file has no header row of column names: is it a template downloaded from the "
                                 "IRIS Taxpayer Portal, saved as CSV?");
    return t;
}

IrisTemplate readIrisTemplate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Could not read the template '%1': %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    // The header row is all that is read; a template's example rows are never copied.
    return parseIrisTemplate(file.read(1 << 20));
}

QString normalisedColumnName(const QString &name)
{
    static const QRegularExpression apostrophes(QStringLiteral("['\u2019]"));
    static const QRegularExpression thousands(QStringLiteral("(\\d),(\\d{3})"));
    static const QRegularExpression punctuation(QStringLiteral("[^a-z0-9]+"));
    QString s = name.toLower();
    s.remove(apostrophes);
    s.replace(thousands, QStringLiteral("\\1\\2"));
    s.replace(punctuation, QStringLiteral(" "));
    return s.trimmed();
}

QByteArray csvField(const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    const bool quote = bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r') ||
                       (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!quote)
        return bytes;
    QByteArray out = bytes;
    out.replace('"', "\"\"");
    return '"' + out + '"';
}

QStringList parseCsvRecord(const QByteArray &bytes, int *end)
{
    QStringList fields;
    QByteArray field;
    bool quoted = false;
    int i = 0;
    for (; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < bytes.size() && bytes.at(i + 1) == '"')
                field += bytes.at(++i);
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            ++i;
            break;
        } else {
            field += c;
        }
    }
    fields << QString::fromUtf8(field);
    if (end)
        *end = i;
    return fields;
}

} // namespace quillory::efile
