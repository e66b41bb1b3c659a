#pragma once

#include "efile/IrisCsv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace quillory {
class Database;
}

namespace quillory::efile {

// One file to upload: the template's header row, then one line per return; and beside it the
// row map, row number -> recipient (name and last four digits of the TIN).
struct IrisFile {
    QString name;  // "IRIS-1099-NEC-2026-payer6789-part1.csv"
    QString payer; // "Payer 12-3456789 (NAME)"
    QVector<QByteArray> lines;
    QVector<QByteArray> rowMap;
    int returns() const { return lines.size() - 1; }
};

// The upload files of one form type, or what stands in their way. Problems stop the files;
// warnings (template columns left empty) do not.
struct IrisUpload {
    QStringList problems;
    QStringList warnings;
    QVector<IrisFile> files;
    QByteArray lineEnd; // the template's
    int taxYear = 0;
    int returns = 0;
    bool ok() const { return problems.isEmpty(); }
};

// The files of the form type ("1099-NEC" or "1099-MISC") for the tax year in Settings, on the
// user's template, for one payer number or every payer when it is empty: at most Settings'
// IrisRowsPerFile returns a file, one payer a file.
IrisUpload buildIrisUpload(Database &db, const QString &form, const IrisTemplate &templ, const QString &payerFedIdNo);

// Writes every file and its row map into the folder, each whole and readable by its owner only;
// when one cannot be written, none is left behind. Throws std::runtime_error with the reason.
void writeIrisUpload(const IrisUpload &upload, const QString &folder);

// Whether the 1099s of the database's tax year go to the IRS through IRIS: from tax year 2026,
// which FIRE no longer takes (Publication 1099 (2026): IRIS is the only intake from January 2027).
bool filesThroughIris(Database &db);

// The most returns a file holds: Publication 1099 (2026) allows 100 forms per submission through
// the IRIS Taxpayer Portal; a smaller number may be chosen (IrisRowsPerFile in Settings).
constexpr int kIrisMostRowsPerFile = 100;
int irisRowsPerFile(Database &db);
// Stores the number, within 1 and the most a file may hold.
void storeIrisRowsPerFile(Database &db, int rows);

// The remembered template of a form type and tax year, and remembering one.
QString irisTemplatePath(Database &db, const QString &form, const QString &year);
void rememberIrisTemplate(Database &db, const QString &form, const QString &year, const QString &path);

} // namespace quillory::efile
