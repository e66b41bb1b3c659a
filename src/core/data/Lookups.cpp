#include "data/Lookups.h"

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QSqlQuery>

namespace quillory {

QVector<FilerKey> filersWithIdNumber(Database &db)
{
    QVector<FilerKey> filers;
    QSqlQuery q = db.exec(QStringLiteral("SELECT FedIDNo, Tfid, FilerType FROM FilerInfo "
                                         "WHERE FedIDNo IS NOT NULL AND FedIDNo <> '' ORDER BY Tfid"));
    while (q.next())
        filers.append({q.value(QStringLiteral("FedIDNo")).toString(), q.value(QStringLiteral("Tfid")).toInt(),
                       q.value(QStringLiteral("FilerType")).toString()});
    return filers;
}

bool hasPrintableW2(Database &db)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM W2 WHERE Boxe_LName IS NOT NULL LIMIT 1")).isValid();
}

bool hasPrintable1099(Database &db)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM \"1099Misc\" WHERE Counter <> 0 LIMIT 1")).isValid();
}

RecordSet filersForPrinting(Database &db, const QString &fedIdNo)
{
    if (fedIdNo.isEmpty())
        return RecordSet::query(db, QStringLiteral("SELECT FedIDNo, EstNo, FilerType FROM FilerInfo ORDER BY FedIDNo"));
    return RecordSet::query(
        db, QStringLiteral("SELECT FedIDNo, EstNo, FilerType FROM FilerInfo WHERE FedIDNo = ? ORDER BY FedIDNo"),
        {fedIdNo});
}

} // namespace quillory
