#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillory::efile {

// A blank IRIS Taxpayer Portal template: its header row as the file holds it (any byte-order
// mark included, line break excluded), the line break it uses, and its column names.
struct IrisTemplate {
    QByteArray header;
    QByteArray lineEnd;
    QStringList columns;
};

// Reads the header row of a template's bytes; throws std::runtime_error when there is none.
IrisTemplate parseIrisTemplate(const QByteArray &bytes);
// Reads the template file; throws std::runtime_error with the reason when it cannot.
IrisTemplate readIrisTemplate(const QString &path);

// A column name as compared: lower case, apostrophes dropped, thousands separators dropped
// ("$5,000" is "$5000"), every other run of punctuation or spacing one blank.
QString normalisedColumnName(const QString &name);

// One CSV field: quoted (with doubled quotes) when it holds a comma, quote, line break or
// leading or trailing blank.
QByteArray csvField(const QString &value);
// The fields of the first record of the bytes (quoted fields may hold commas and line breaks);
// `end` gets the offset after its line break.
QStringList parseCsvRecord(const QByteArray &bytes, int *end = nullptr);

} // namespace quillory::efile
