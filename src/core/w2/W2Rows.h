#pragma once

#include "data/RecordSet.h"

namespace quillory::w2 {

// The W-2s of one employer, in stored order, as an updatable set (the W-2 screen's rows).
RecordSet rowsOf(Database &db, int tfid);
// The W-2 screen's list of one employer's W-2s: the row number (which tells two W-2s with one
// SSN apart), the SSN and the names.
RecordSet listOf(Database &db, int tfid);

} // namespace quillory::w2
