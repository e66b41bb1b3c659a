#pragma once

#include "data/RecordSet.h"

#include <QString>
#include <functional>

namespace quillory {

class Database;

// Rebuilds the table 1096 from 1099Misc: one row per payer number with the payer's name and
// address from its first 1099-MISC, the filer's contact details, the number of forms, the
// total tax withheld (box 4) and the total amount reported (boxes 1, 2, 3, 5, 6, 7, 8, 10, 13
// and 14). A payer number with more than one "-" (a social security number) goes to box 2,
// any other to box 1. Payer numbers whose 1099-MISCs belong to no filer get no row; each is
// reported through noFiler. From tax year 2025 the rows are per payer number and form type
// (FormType "1099-MISC" or "1099-NEC"), each totalling only the returns of its own table and the
// boxes that Form 1096 (2026) lists for the type. One transaction: a failure leaves 1096 as it was.
int build1096Summaries(Database &db, const std::function<void(const QString &payer)> &noFiler = {});

// The 1096 summaries of a form type (every one when it is empty) in stored order, and the one of
// a payer number (box 2 for a number with two "-", else box 1) and form type (at end when none).
RecordSet summaries1096(Database &db, const QString &formType);
RecordSet summary1096Of(Database &db, const QString &payerNumber, const QString &formType);

} // namespace quillory
