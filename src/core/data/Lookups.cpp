#include "data/Lookups.h"

#include "data/Database.h"

namespace quillory {

bool hasPrintable1099(Database &db)
{
    return db
        .scalar(QStringLiteral("SELECT 1 FROM \"1099Misc\" WHERE Counter <> 0 UNION ALL "
                               "SELECT 1 FROM \"1099Nec\" LIMIT 1"))
        .isValid();
}

} // namespace quillory
