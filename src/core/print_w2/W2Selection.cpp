#include "print_w2/W2Selection.h"

namespace quillory {

RecordSet w2sToPrint(Database &db, const QString &fedIdNo, const QString &estNo, const QString &filerType)
{
    QString sql = QStringLiteral("SELECT boxd, Boxe_FName, Boxe_LName, id FROM W2 WHERE boxb = ?");
    QVariantList params{fedIdNo};
    if (!estNo.isEmpty()) {
        sql += QStringLiteral(" AND EstNo = ?");
        params << estNo;
    }
    if (!filerType.isEmpty()) {
        sql += QStringLiteral(" AND FilerType = ?");
        params << filerType;
    }
    return RecordSet::query(db, sql + QStringLiteral(" ORDER BY boxd"), params);
}

} // namespace quillory
