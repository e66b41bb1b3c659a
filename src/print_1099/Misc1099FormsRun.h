#pragma once

#include "printing/TwoUpRun.h"

#include <QString>
#include <QVector>
#include <optional>

namespace quillory {

class Database;
class Printer;

// The 1099-MISC column rules: a Null column prints nothing; the payer number of a payer that
// applied for one prints "Applied For"; the corrected, second TIN notice and box 9 marks print
// "x" or a blank; other columns print their value, as an amount when the layout says so.
std::optional<PrintedValue> Misc1099ColumnRule(const ColumnValue &column);

// The 1099-MISC as a two-up form: layout "1099-MISC", rows of 1099Misc by Counter.
const TwoUpForm &Misc1099Form();

// Prints the 1099-MISCs with the given Counter values, in that order, two to a sheet on the
// paper kind ("1099-L", "1099-C" or "1099-M"). Throws on the first failure.
void Print1099Forms(Database &db, Printer &printer, const QString &paperKind, const QVector<qlonglong> &counters);

} // namespace quillory
