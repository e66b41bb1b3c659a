#pragma once

#include "printing/FormLayout.h"

#include <QString>
#include <QVector>
#include <optional>

namespace quillory {

class Database;
class Printer;
class RecordSet;

// The W-2 column rules: an employer number applied for prints "Applied For ", the social
// security number prints as 000-00-0000 (a trailing "a" becomes a capital "A" after it),
// and the yes/no columns after box 12 print "x" or a blank. Other columns print their value,
// as an amount when the layout says so.
std::optional<PrintedValue> W2ColumnRule(const ColumnValue &column);

// The social security number as the W-2 prints it.
QString FormatSsn(const QString &stored);

// Prints the W-2s with the given ids, in that order, two to a sheet on the paper kind
// ("W2-L", "W2-C" or "W2-M"). Throws on the first failure; the print screen runs the same
// steps through its failure dialog.
void PrintW2Forms(Database &db, Printer &printer, const QString &paperKind, const QVector<qlonglong> &ids);

// Reads one W-2 by id; a W-2 deleted since it was listed is an error naming it.
RecordSet FindW2(Database &db, qlonglong id);

} // namespace quillory
