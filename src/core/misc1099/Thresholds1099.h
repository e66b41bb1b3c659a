#pragma once

#include "data/Money.h"

#include <QString>
#include <functional>

namespace quillory {

class Database;

// What a return shows in a column: its amount, or for a mark any positive amount when ticked.
using BoxAmount = std::function<Money(const QString &column)>;

// Whether a return of this form (1099-MISC, 1099-NEC) holds payments that stay below the reporting
// threshold of the payment year in every box: no box reaches the smallest payment that needs a
// return and nothing was withheld. A return with no amount yet is not below (it is being filled
// in), nor is any return of a year without thresholds in the Thresholds1099 table (before 2025).
bool belowThresholds(Database &db, int year, const QString &form, const BoxAmount &amountOf);

// The question asked before such a return is stored.
QString belowThresholdsQuestion(int year, const QString &form);

} // namespace quillory
