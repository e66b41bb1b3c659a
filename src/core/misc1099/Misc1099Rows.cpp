#include "misc1099/Misc1099Rows.h"

#include "data/Database.h"

namespace quillory::misc1099 {

RecordSet rowsOf(Database &db, int tfid, const QString &table)
{
    return RecordSet::table(db, table, QStringLiteral("Tfid = ?"), {tfid});
}

RecordSet listOf(Database &db, int tfid, const QString &table)
{
    return RecordSet::query(
        db, QStringLiteral("SELECT RecIDNo, RecName1 FROM %1 WHERE Tfid = ?").arg(Database::quoted(table)), {tfid});
}

} // namespace quillory::misc1099
