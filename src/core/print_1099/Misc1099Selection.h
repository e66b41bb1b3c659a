#pragma once

#include "data/RecordSet.h"

namespace quillory {

// The 1099-MISCs (or the returns of another 1099 table, "1099Nec") a print screen offers for
// one payer number: recipient number, name and Counter; by recipient number when ordered, else
// in stored order.
RecordSet misc1099sToPrint(Database &db, const QString &fedIdNo, bool ordered,
                           const QString &table = QStringLiteral("1099Misc"));

} // namespace quillory
