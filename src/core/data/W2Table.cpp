#include "data/W2Table.h"

#include "data/Database.h"
#include "data/FilerTable.h"

namespace quillory::w2Table {

namespace {
const QString kTable = QStringLiteral("W2");
}

RecordSet rowsOf(Database &db, int tfid)
{
    return RecordSet::table(db, kTable, QStringLiteral("Tfid = ?"), {tfid});
}

RecordSet listOf(Database &db, int tfid)
{
    return RecordSet::query(db, QStringLiteral("SELECT id, Boxd, Boxe_FName, Boxe_LName FROM W2 WHERE Tfid = ?"),
                            {tfid});
}

RecordSet toPrint(Database &db, const QString &fedIdNo, const QString &estNo, const QString &filerType)
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

RecordSet ofFilers(Database &db, const QString &filerCondition, const QVariantList &params)
{
    return RecordSet::table(db, kTable, filerTable::keyIn(filerCondition), params, QStringLiteral("Tfid, Boxd"));
}

QString filerHasW2s()
{
    return QStringLiteral("EXISTS (SELECT 1 FROM W2 WHERE W2.Tfid = FilerInfo.Tfid)");
}

bool anyOfEmployer(Database &db, const QString &fedIdNo)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM W2 WHERE Boxb = ? LIMIT 1"), {fedIdNo}).isValid();
}

bool anyToPrint(Database &db)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM W2 WHERE Boxe_LName IS NOT NULL LIMIT 1")).isValid();
}

} // namespace quillory::w2Table
