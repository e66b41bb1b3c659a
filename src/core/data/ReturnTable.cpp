#include "data/ReturnTable.h"

#include "data/Database.h"

namespace quillory::returnTable {

RecordSet rowsOf(Database &db, int tfid, const QString &table)
{
    return RecordSet::table(db, table, QStringLiteral("Tfid = ?"), {tfid});
}

RecordSet listOf(Database &db, int tfid, const QString &table)
{
    return RecordSet::query(
        db, QStringLiteral("SELECT RecIDNo, RecName1 FROM %1 WHERE Tfid = ?").arg(Database::quoted(table)), {tfid});
}

RecordSet toPrint(Database &db, const QString &fedIdNo, bool ordered, const QString &table)
{
    const QString sql =
        QStringLiteral("SELECT RecIDNo, RecName1, counter FROM %1 WHERE FedIDNo = ?").arg(Database::quoted(table));
    return RecordSet::query(db, ordered ? sql + QStringLiteral(" ORDER BY RecIDNo") : sql, {fedIdNo});
}

RecordSet ofPayer(Database &db, const QString &table, const QString &payerFedIdNo)
{
    const QString order = QStringLiteral("FedIDNo, RecIDNo, Counter");
    if (payerFedIdNo.isEmpty())
        return RecordSet::table(db, table, {}, {}, order);
    return RecordSet::table(db, table, QStringLiteral("FedIDNo = ?"), {payerFedIdNo}, order);
}

bool anyOfPayer(Database &db, const QString &fedIdNo)
{
    return db
        .scalar(QStringLiteral("SELECT 1 FROM \"1099Misc\" WHERE FedIDNo = ? UNION ALL "
                               "SELECT 1 FROM \"1099Nec\" WHERE FedIDNo = ? LIMIT 1"),
                {fedIdNo, fedIdNo})
        .isValid();
}

bool anyToPrint(Database &db)
{
    return db
        .scalar(QStringLiteral("SELECT 1 FROM \"1099Misc\" WHERE Counter <> 0 UNION ALL "
                               "SELECT 1 FROM \"1099Nec\" LIMIT 1"))
        .isValid();
}

} // namespace quillory::returnTable
