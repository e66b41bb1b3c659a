#pragma once

#include "data/RecordSet.h"

namespace quillory {

// The W-2s a print screen offers for one employer number, by SSN: SSN, names and row number.
// An establishment number or filer kind that is not empty narrows them to that filer.
RecordSet w2sToPrint(Database &db, const QString &fedIdNo, const QString &estNo, const QString &filerType);

} // namespace quillory
