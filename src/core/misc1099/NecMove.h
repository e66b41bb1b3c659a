#pragma once

#include <functional>

namespace quillory {

class Database;

// For a database whose tax year is 2025 or later, once: when 1099-MISC rows hold box 7 amounts,
// asks (given their count) whether to move them to 1099-NEC returns. Yes makes one 1099-NEC per
// such row (payer, recipient, account, corrected mark and 2nd TIN notice copied) and sets box 7
// to 0. Federal income tax withheld and the state lines go with the 1099-NEC only when the
// 1099-MISC has nothing else to report; that 1099-MISC, then empty, is removed. No leaves every
// row as it is. Either way the question is not asked again. True when rows were moved.
bool offerNecMove(Database &db, const std::function<bool(int returns)> &askYes);

} // namespace quillory
