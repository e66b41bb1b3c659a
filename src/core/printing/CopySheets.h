#pragma once

#include "data/RecordSet.h"
#include "printing/CopyDrawing.h"

#include <QVariant>
#include <functional>

namespace quillory {

class Printer;
class RecordSet;

// A form that the people it is about get as copies drawn on plain paper: the W-2's employee
// copies, a 1099's recipient copies. Adding one is its drawing rows and one of these.
struct CopyForm {
    QString form;      // CopyDrawings Form: "W2"
    QString shownForm; // "W-2": names jobs, files and messages
    QString table;
    QString keyColumn;
    QString firstNameColumn; // the person, who names the sheet's job and file; may be empty
    QString lastNameColumn;
    QString copiesWord; // "employee copies"
    // The text of a value for the kinds the drawing leaves to the form (ssn, ein, ...).
    std::function<QString(const QString &kind, const QVariant &value)> format;
    // Reads the row by its key with what the drawing needs beyond the table; empty: the
    // table's row.
    std::function<RecordSet(Database &db, qlonglong key)> readRow;
    // The value of a column the drawing names that the row does not hold as such (a TIN as the
    // copy shows it, a part of an address line); an invalid value: the row's own.
    std::function<QVariant(const RecordSet &row, const QString &column)> value;
};

// The row of the form's table with the key; a row deleted since it was listed is an error.
RecordSet FindCopyRow(Database &db, const CopyForm &form, qlonglong key);

// The person of a row as jobs and files name it: "O'NEIL MARY".
QString CopyPersonName(const CopyForm &form, const RecordSet &row);
// The name of a row's PDF file without the ending, safe in any folder: "W-2 2026 O'NEIL MARY".
// Never the SSN: only the form, the year and the names.
QString CopyFileBase(const CopyForm &form, int year, const RecordSet &row);

// Draws one sheet of copies of the row and then the instructions, as one print job on Letter
// paper named "W-2 employee copies O'NEIL MARY".
void PrintCopySheet(Printer &printer, const CopyDrawing &drawing, const CopyForm &form, const RecordSet &row);

// A sheet (one print job) for each key, in that order. A tax year without a drawing is refused
// before anything is printed.
void PrintCopySheets(Database &db, Printer &printer, const CopyForm &form, const QVector<qlonglong> &keys);

} // namespace quillory
