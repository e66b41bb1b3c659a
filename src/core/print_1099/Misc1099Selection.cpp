#include "print_1099/Misc1099Selection.h"

#include "data/Database.h"

namespace quillory {

RecordSet misc1099sToPrint(Database &db, const QString &fedIdNo, bool ordered, const QString &table)
{
    const QString sql =
        QStringLiteral("SELECT RecIDNo, RecName1, counter FROM %1 WHERE FedIDNo = ?").arg(Database::quoted(table));
    return RecordSet::query(db, ordered ? sql + QStringLiteral(" ORDER BY RecIDNo") : sql, {fedIdNo});
}

} // namespace quillory
