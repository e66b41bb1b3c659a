#include "data/ReturnTable.h"

#include "data/Database.h"

namespace quillory::returnTable {

namespace {

// A 1099-MISC with nothing to report but box 7, its withholding and its state lines.
const char *const kOnlyBox7 =
    "(abs(Box1) + abs(Box2) + abs(Box3) + abs(Box5) + abs(Box6) + abs(Box8) + abs(Box10) + abs(Box13) + "
    "abs(Box14) + abs(FishPurchased) + abs(Deferrals409A) + abs(NqDeferredComp) + abs(CashTips) + "
    "abs(Overtime) = 0 AND Box9 = 0 AND Fatca = 0 AND coalesce(Box15a, '') = '' AND coalesce(Box15b, '') = '')";

} // namespace

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

RecordSet miscAndNecOfPayer(Database &db, const QString &payerFedIdNo)
{
    const QString common = QStringLiteral("Counter, CorrectedFlag, FedIDNo, RecIDNo, RecName1, RecName2, RecAddr, "
                                          "RecCityStZip, AcctNo, TIN, ");
    const QString where = payerFedIdNo.isEmpty() ? QString() : QStringLiteral(" WHERE FedIDNo = ?");
    const QString sql =
        QStringLiteral("SELECT %1 Box1, Box2, Box3, Box4, Box5, Box6, Box7, Box8, Box9, Box10, Box13, Box14, "
                       "0 AS FromNec, 0 AS NecDirectSales, 0 AS NecParachute FROM \"1099Misc\"%2 UNION ALL "
                       "SELECT %1 0, 0, 0, FedTaxWithheld, 0, 0, NonemployeeComp, 0, 0, 0, 0, 0, -1, DirectSales, "
                       "GoldenParachute FROM \"1099Nec\"%2 ORDER BY FedIDNo, RecIDNo, FromNec DESC, Counter")
            .arg(common, where);
    return RecordSet::query(db, sql,
                            payerFedIdNo.isEmpty() ? QVariantList() : QVariantList{payerFedIdNo, payerFedIdNo});
}

int box7Count(Database &db)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM \"1099Misc\" WHERE Box7 > 0")).toInt();
}

void moveBox7ToNec(Database &db)
{
    const QString only = QString::fromLatin1(kOnlyBox7);
    db.exec(QStringLiteral("INSERT INTO \"1099Nec\" (CorrectedFlag, PayerName, PayerL1, PayerL2, PayerL3, FedIDNo, "
                           "RecIDNo, RecName1, RecName2, RecAddr, RecCityStZip, AcctNo, TIN, NonemployeeComp, "
                           "FedTaxWithheld, StateTax_L1, StateTax_L2, State_L1, State_L2, StateNo_L1, StateNo_L2, "
                           "StateIncome_L1, StateIncome_L2, Tfid, EstNo, FilerType) "
                           "SELECT CorrectedFlag, PayerName, PayerL1, PayerL2, PayerL3, FedIDNo, RecIDNo, RecName1, "
                           "RecName2, RecAddr, RecCityStZip, AcctNo, TIN, Box7, "
                           "CASE WHEN %1 THEN Box4 ELSE 0 END, CASE WHEN %1 THEN Box16_L1 ELSE 0 END, "
                           "CASE WHEN %1 THEN Box16_L2 ELSE 0 END, CASE WHEN %1 THEN Box17a_L1 END, "
                           "CASE WHEN %1 THEN Box17a_L2 END, CASE WHEN %1 THEN Box17b_L1 END, "
                           "CASE WHEN %1 THEN Box17b_L2 END, CASE WHEN %1 THEN Box18_L1 ELSE 0 END, "
                           "CASE WHEN %1 THEN Box18_L2 ELSE 0 END, Tfid, EstNo, FilerType "
                           "FROM \"1099Misc\" WHERE Box7 > 0 ORDER BY Counter")
                .arg(only));
    db.exec(QStringLiteral("DELETE FROM \"1099Misc\" WHERE Box7 > 0 AND %1").arg(only));
    db.exec(QStringLiteral("UPDATE \"1099Misc\" SET Box7 = 0 WHERE Box7 > 0"));
}

RecordSet withPayerPhone(Database &db, const QString &table, qlonglong counter)
{
    return RecordSet::query(db,
                            QStringLiteral("SELECT r.*, f.Phone AS PayerPhone FROM %1 AS r LEFT JOIN FilerInfo AS f "
                                           "ON f.Tfid = r.Tfid WHERE r.Counter = ?")
                                .arg(Database::quoted(table)),
                            {counter});
}

QSqlQuery payerTotals(Database &db, const QString &table, const QString &withheld, const QStringList &reported)
{
    const QString sum = QStringLiteral("m.") + reported.join(QStringLiteral(" + m."));
    return db.exec(QStringLiteral(R"SQL(
SELECT p.payer, g.n, g.box4, g.reported,
       m.PayerName, m.PayerL1, m.PayerL2, m.PayerL3, m.RecIDNo,
       fi.Contact, fi.Phone, fi.Email, fi.Fax
FROM (SELECT DISTINCT coalesce(FedIDNo, '') AS payer FROM %1) AS p
LEFT JOIN (
  SELECT coalesce(m.FedIDNo, '') AS payer, count(*) AS n, min(m.Counter) AS firstId,
         sum(m.%2) AS box4,
         sum(%3) AS reported
  FROM %1 AS m INNER JOIN FilerInfo AS f ON m.Tfid = f.Tfid
  GROUP BY 1
) AS g ON g.payer = p.payer
LEFT JOIN %1 AS m ON m.Counter = g.firstId
LEFT JOIN FilerInfo AS fi ON fi.Tfid = m.Tfid
ORDER BY p.payer
)SQL")
                       .arg(Database::quoted(table), withheld, sum));
}

} // namespace quillory::returnTable
