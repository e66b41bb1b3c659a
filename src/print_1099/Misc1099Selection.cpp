#include "print_1099/Misc1099Selection.h"

namespace quillory {

RecordSet misc1099sToPrint(Database &db, const QString &fedIdNo, bool ordered)
{
    const QString sql = QStringLiteral("SELECT RecIDNo, RecName1, counter FROM \"1099Misc\" WHERE FedIDNo = ?");
    return RecordSet::query(db, ordered ? sql + QStringLiteral(" ORDER BY RecIDNo") : sql, {fedIdNo});
}

} // namespace quillory
