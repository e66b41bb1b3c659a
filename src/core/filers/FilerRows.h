#pragma once

#include "data/RecordSet.h"

namespace quillory::filers {

// Every filer, in table order, as an updatable set (the filer screen's rows).
RecordSet all(Database &db);
// Every column of every filer, in table order (the employer list).
RecordSet everyColumn(Database &db);
// The filer screen's pick list: number, establishment, kind, name and first address line.
RecordSet pickList(Database &db);

} // namespace quillory::filers
