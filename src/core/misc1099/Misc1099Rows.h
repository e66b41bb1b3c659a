#pragma once

#include "data/RecordSet.h"

namespace quillory::misc1099 {

// The 1099s of one payer in a table ("1099Misc" or "1099Nec"), in stored order, as an updatable
// set (the entry screen's rows).
RecordSet rowsOf(Database &db, int tfid, const QString &table = QStringLiteral("1099Misc"));
// The entry screen's list of one payer's recipients: identification number and name.
RecordSet listOf(Database &db, int tfid, const QString &table = QStringLiteral("1099Misc"));

} // namespace quillory::misc1099
