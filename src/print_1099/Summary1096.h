#pragma once

#include <QString>
#include <functional>

namespace quillory {

class Database;

// Rebuilds the table 1096 from 1099Misc: one row per payer number with the payer's name and
// address from its first 1099-MISC, the filer's contact details, the number of forms, the
// total tax withheld (box 4) and the total amount reported (boxes 1, 2, 3, 5, 6, 7, 8, 10, 13
// and 14). A payer number with more than one "-" (a social security number) goes to box 2,
// any other to box 1. Payer numbers whose 1099-MISCs belong to no filer get no row; each is
// reported through noFiler. One transaction: a failure leaves 1096 as it was.
int build1096Summaries(Database &db, const std::function<void(const QString &payer)> &noFiler = {});

} // namespace quillory
