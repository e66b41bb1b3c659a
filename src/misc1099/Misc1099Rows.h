#pragma once

#include "data/RecordSet.h"

namespace quillory::misc1099 {

// The 1099-MISCs of one payer, in stored order, as an updatable set (the 1099-MISC screen's rows).
RecordSet rowsOf(Database &db, int tfid);
// The 1099-MISC screen's list of one payer's recipients: identification number and name.
RecordSet listOf(Database &db, int tfid);

} // namespace quillory::misc1099
