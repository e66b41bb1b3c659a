#include "data/W2Table.h"

#include "data/Database.h"
#include "data/FilerTable.h"

namespace quillory::w2Table {

namespace {

const QString kTable = QStringLiteral("W2");

// One pass over the W-2s for the W-3: the engine groups and sums (box 12: the codes %1 to %4 test, those
// of the W-3 edition's deferred compensation); the first W-2 of each group (lowest id)
// gives the employer's name, address, state and sick-pay mark. A W-2 whose filer is gone
// takes no part, and a missing employer number, kind or establishment counts as empty.
const char *const kW3GroupQuery = R"SQL(
SELECT g.boxb, g.filertype, g.estno, g.n,
       g.s1, g.s2, g.s3, g.s4, g.s5, g.s6, g.s7, g.s8, g.s9, g.s10, g.s11, g.s12, g.sick,
       g.s16, g.s17, g.s18, g.s19,
       f.Boxc_L1, f.Boxc_L2, f.Boxc_L3, f.Boxc_L4, f.SickPay,
       f.Box15a_L1, f.Box15a_L2, f.Box15b_L1,
       fi.AddlEIN, fi.Contact, fi.Phone, fi.Email, fi.Fax
FROM (
  SELECT coalesce(W2.Boxb, '') AS boxb, coalesce(W2.FilerType, '') AS filertype,
         coalesce(W2.EstNo, '') AS estno, min(W2.id) AS firstId, count(*) AS n,
         sum(W2.Box1) AS s1, sum(W2.Box2) AS s2, sum(W2.Box3) AS s3, sum(W2.Box4) AS s4,
         sum(W2.Box5) AS s5, sum(W2.Box6) AS s6, sum(W2.Box7) AS s7, sum(W2.Box8) AS s8,
         sum(W2.Box9) AS s9, sum(W2.Box10) AS s10, sum(W2.Box11) AS s11,
         sum(CASE WHEN %1 THEN W2.Box12a_Amt ELSE 0 END + CASE WHEN %2 THEN W2.Box12b_Amt ELSE 0 END
           + CASE WHEN %3 THEN W2.Box12c_Amt ELSE 0 END + CASE WHEN %4 THEN W2.Box12d_Amt ELSE 0 END) AS s12,
         sum(W2.SickPay) AS sick,
         sum(W2.Box16_L1 + W2.Box16_L2) AS s16, sum(W2.Box17_L1 + W2.Box17_L2) AS s17,
         sum(W2.Box18_L1 + W2.Box18_L2) AS s18, sum(W2.Box19_L1 + W2.Box19_L2) AS s19
  FROM W2 INNER JOIN FilerInfo ON W2.Tfid = FilerInfo.Tfid
  GROUP BY 1, 2, 3
) AS g
JOIN W2 AS f ON f.id = g.firstId
JOIN FilerInfo AS fi ON fi.Tfid = f.Tfid
ORDER BY g.boxb, g.filertype, g.estno
)SQL";

// Whether a box 12 code column holds one of the edition's deferral codes ("D-H" stands for
// every code from D to H), with the values it binds added to params.
QString deferralTest(const QString &codeColumn, const QStringList &codes, QVariantList &params)
{
    QStringList tests;
    for (const QString &code : codes) {
        const QStringList range = code.split(QLatin1Char('-'));
        tests << QStringLiteral("(%1 >= ? AND %1 <= ?)").arg(codeColumn);
        params << range.first() << range.last();
    }
    return tests.isEmpty() ? QStringLiteral("0")
                           : QLatin1Char('(') + tests.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

} // namespace

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

QSqlQuery w3Groups(Database &db, const QStringList &deferralCodes)
{
    QVariantList params;
    QString query = QString::fromLatin1(kW3GroupQuery);
    for (const char *line : {"a", "b", "c", "d"})
        query =
            query.arg(deferralTest(QStringLiteral("W2.Box12%1_Code").arg(QLatin1String(line)), deferralCodes, params));
    return db.exec(query, params);
}

} // namespace quillory::w2Table
