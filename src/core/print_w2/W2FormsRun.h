#pragma once

#include "printing/TwoUpRun.h"

#include <QString>
#include <QVector>
#include <optional>

namespace quillory {

class Database;
class Printer;

// The W-2 column rules: an employer number applied for prints "Applied For ", the social
// security number prints as 000-00-0000 (a trailing "a" becomes a capital "A" after it),
// and the yes/no columns (the box 13 marks) print "x" or a blank. Other columns print their value,
// as an amount when the layout says so.
std::optional<PrintedValue> W2ColumnRule(const ColumnValue &column);

// The social security number as the W-2 prints it.
QString FormatSsn(const QString &stored);

// The W-2 as a two-up form: the layout of the tax year's W-2 edition, rows of W2 by id.
const TwoUpForm &W2TwoUpForm();

} // namespace quillory
