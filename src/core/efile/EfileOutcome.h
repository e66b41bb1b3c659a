#pragma once

#include "data/Money.h"
#include "efile/FixedRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace quillory {
class Database;
}

namespace quillory::efile {

struct Submitter;

// A file built in memory: its records, or the problems that would get it rejected.
struct EfileOutcome {
    QStringList problems;
    QVector<QByteArray> records;
    int taxYear = 0;
    int filers = 0; // employers (RE) or payer groups (A)
    int forms = 0;  // W-2s (RW) or returns (B)

    bool ok() const { return problems.isEmpty(); }

    // Adds a record; its unwritable text becomes a problem of the given owner.
    void add(const FixedRecord &record, const QString &owner);
    // Sets an amount; one that does not fit becomes a problem naming the owner and box.
    void money(FixedRecord &record, const char *field, Money amount, const QString &owner, const QString &box);
};

enum class FileKind { W2, Returns1099 };

// The submitter's details that the file needs, and the tax year against the years the
// layouts cover. Each missing or malformed value is a problem.
void checkSubmitter(const Submitter &s, FileKind kind, EfileOutcome &out);
void checkTaxYear(const QString &year, int firstYear, int lastYear, EfileOutcome &out);
// How every file starts: the tax year of Settings checked against the layouts' years and the
// submitter read and checked, each problem noted in `out`; gives back the submitter.
Submitter startEfile(Database &db, FileKind kind, int firstYear, int lastYear, EfileOutcome &out);

// Writes the records whole or not at all (a temporary file renamed into place), readable by
// its owner only, each record followed by the line end. Throws std::runtime_error with the
// reason when the file cannot be written.
void writeRecords(const QString &path, const QVector<QByteArray> &records, const QByteArray &lineEnd);

} // namespace quillory::efile
