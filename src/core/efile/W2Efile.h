#pragma once

#include "efile/EfileOutcome.h"

namespace quillory {
class Database;
}

namespace quillory::efile {

// Which employers go into the W-2 file: one filer row (number, establishment, kind), or
// every filer with W-2s when the number is empty.
struct EmployerChoice {
    QString fedIdNo;
    QString estNo;
    QString filerType;
};

// The SSA wage file (EFW2) for the tax year in Settings: RA, then per employer RE, its RW
// (with RO where it has optional amounts, RS per state line), RT (and RU), and RF at the
// end; or the problems that would get it rejected.
EfileOutcome buildW2Efile(Database &db, const EmployerChoice &choice);

} // namespace quillory::efile
