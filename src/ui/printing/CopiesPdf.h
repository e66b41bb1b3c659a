#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace quillory {

class Database;
struct CopyForm;

// Writes the sheet of copies of each key as a PDF file of its own into the folder, named after
// the form, the tax year and the person ("W-2 2026 O'NEIL MARY.pdf"; a second person of the same
// name gets "... (2).pdf"). Each file is written whole or not at all and is readable by its owner
// only. Returns the paths written; throws at the first that cannot be (a tax year without a
// drawing before any).
QStringList SaveCopiesAsPdf(Database &db, const CopyForm &form, const QVector<qlonglong> &keys, const QString &folder);

} // namespace quillory
