#include "data/Lookups.h"

#include "data/Database.h"

namespace quillory {

bool hasPrintableW2(Database &db)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM W2 WHERE Boxe_LName IS NOT NULL LIMIT 1")).isValid();
}

bool hasPrintable1099(Database &db)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM \"1099Misc\" WHERE Counter <> 0 LIMIT 1")).isValid();
}

} // namespace quillory
