#include "data/FilerTable.h"

#include "data/Database.h"

#include <QSqlQuery>

namespace quillory::filerTable {

namespace {
const QString kTable = QStringLiteral("FilerInfo");
const QString kKey = QStringLiteral("Tfid");
} // namespace

RecordSet all(Database &db)
{
    return RecordSet::table(db, kTable);
}

RecordSet everyColumn(Database &db)
{
    return RecordSet::query(db, QStringLiteral("SELECT * FROM FilerInfo"));
}

RecordSet pickList(Database &db)
{
    return RecordSet::query(db, QStringLiteral("SELECT FedIDNo, EstNo, FilerType, PayerName, PayerL1 FROM FilerInfo"));
}

RecordSet byKey(Database &db)
{
    return RecordSet::table(db, kTable, {}, {}, kKey);
}

RecordSet withKey(Database &db, int tfid)
{
    return RecordSet::table(db, kTable, QStringLiteral("Tfid = ?"), {tfid});
}

RecordSet firstWithIdNumber(Database &db, const QString &fedIdNo)
{
    return RecordSet::query(db, QStringLiteral("SELECT * FROM FilerInfo WHERE FedIDNo = ? ORDER BY Tfid LIMIT 1"),
                            {fedIdNo});
}

RecordSet matching(Database &db, const QString &condition, const QVariantList &params, const QString &orderBy)
{
    return RecordSet::table(db, kTable, condition, params, orderBy);
}

RecordSet payersWithReturns(Database &db)
{
    return RecordSet::table(db, kTable,
                            QStringLiteral("FedIDNo IN (SELECT FedIDNo FROM \"1099Misc\" UNION ALL "
                                           "SELECT FedIDNo FROM \"1099Nec\")"),
                            {}, kKey);
}

QVector<FilerKey> withIdNumber(Database &db)
{
    QVector<FilerKey> filers;
    QSqlQuery q = db.exec(QStringLiteral("SELECT FedIDNo, Tfid, FilerType FROM FilerInfo "
                                         "WHERE FedIDNo IS NOT NULL AND FedIDNo <> '' ORDER BY Tfid"));
    while (q.next())
        filers.append({q.value(QStringLiteral("FedIDNo")).toString(),
                       q.value(QStringLiteral("Tfid")).toInt(),
                       q.value(QStringLiteral("FilerType")).toString(),
                       {}});
    return filers;
}

RecordSet forPrinting(Database &db, const QString &fedIdNo)
{
    if (fedIdNo.isEmpty())
        return RecordSet::query(db, QStringLiteral("SELECT FedIDNo, EstNo, FilerType FROM FilerInfo ORDER BY FedIDNo"));
    return RecordSet::query(
        db, QStringLiteral("SELECT FedIDNo, EstNo, FilerType FROM FilerInfo WHERE FedIDNo = ? ORDER BY FedIDNo"),
        {fedIdNo});
}

QString phone(Database &db, const QVariant &tfid)
{
    return db.scalar(QStringLiteral("SELECT Phone FROM FilerInfo WHERE Tfid = ?"), {tfid}).toString();
}

QString keyIn(const QString &filerCondition)
{
    return QStringLiteral("Tfid IN (SELECT Tfid FROM FilerInfo WHERE %1)").arg(filerCondition);
}

} // namespace quillory::filerTable
