#pragma once

#include "efile/EfileOutcome.h"

namespace quillory {
class Database;
}

namespace quillory::efile {

// The IRS information-return file (Publication 1220) for the tax year in Settings, for one
// payer number or every payer with 1099s when it is empty: T first; per payer an A record,
// its B records and a C record with their totals, once for the 1099-MISC boxes and once for
// nonemployee compensation, which goes on Form 1099-NEC; F last. Or the problems that
// would get it rejected.
EfileOutcome buildReturns1099Efile(Database &db, const QString &payerFedIdNo);

} // namespace quillory::efile
