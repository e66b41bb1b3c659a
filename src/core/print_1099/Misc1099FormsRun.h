#pragma once

#include "printing/TwoUpRun.h"

#include <QString>
#include <QVector>
#include <optional>

namespace quillory {

class Database;
class Printer;

// The column rules of the 1099-MISC and 1099-NEC, by column name: a Null column prints nothing;
// the payer number of a payer that applied for one prints "Applied For"; the yes/no columns
// (corrected, second TIN notice, the marks of the boxes) print "x" or a blank; other columns
// print their value, as an amount when the layout says so.
std::optional<PrintedValue> Return1099ColumnRule(const ColumnValue &column);

// What the 2026 forms print in boxes of their own: the payer's address in its parts and the
// filer's telephone number, the recipient's city, state and ZIP code, and the tax year.
QVector<DerivedValue> Form1099Values(Database &db, const RecordSet &row);

// The 1099-MISC as a two-up form: rows of 1099Misc by Counter, on the layout of the edition of
// the tax year.
const TwoUpForm &Misc1099TwoUpForm();
// The 1099-NEC likewise: rows of 1099Nec by Counter.
const TwoUpForm &Nec1099TwoUpForm();

} // namespace quillory
