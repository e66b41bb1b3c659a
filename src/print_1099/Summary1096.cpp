#include "print_1099/Summary1096.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Money.h"

#include <QSqlQuery>
#include <QStringList>

namespace quillory {

namespace {

// Every payer number, and for those whose forms join a filer the totals and the first form.
const char *const kPayerQuery = R"SQL(
SELECT p.payer, g.n, g.box4, g.reported,
       m.PayerName, m.PayerL1, m.PayerL2, m.PayerL3, m.RecIDNo,
       fi.Contact, fi.Phone, fi.Email, fi.Fax
FROM (SELECT DISTINCT coalesce(FedIDNo, '') AS payer FROM "1099Misc") AS p
LEFT JOIN (
  SELECT coalesce(m.FedIDNo, '') AS payer, count(*) AS n, min(m.Counter) AS firstId,
         sum(m.Box4) AS box4,
         sum(m.Box1 + m.Box2 + m.Box3 + m.Box5 + m.Box6 + m.Box7 + m.Box8 + m.Box10
             + m.Box13 + m.Box14) AS reported
  FROM "1099Misc" AS m INNER JOIN FilerInfo AS f ON m.Tfid = f.Tfid
  GROUP BY 1
) AS g ON g.payer = p.payer
LEFT JOIN "1099Misc" AS m ON m.Counter = g.firstId
LEFT JOIN FilerInfo AS fi ON fi.Tfid = m.Tfid
ORDER BY p.payer
)SQL";

} // namespace

int build1096Summaries(Database &db, const std::function<void(const QString &)> &noFiler)
{
    // A summary table left by older editions is no longer used.
    try {
        db.exec(QStringLiteral("DROP TABLE IF EXISTS \"1099sum\""));
    } catch (const DbError &) {
    }

    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM \"1096\""));
    QSqlQuery payers = db.exec(QString::fromLatin1(kPayerQuery));
    Statement insert(db, QStringLiteral("INSERT INTO \"1096\" (PayerName, PayerL1, PayerL2, PayerL3, Contact, Phone, "
                                        "Email, Fax, Box1, Box2, Box3, Box4, Box5, \"1099-MISC\") "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'X')"));
    int rows = 0;
    while (payers.next()) {
        const auto v = [&](const char *name) { return payers.value(QLatin1String(name)); };
        const QString payer = v("payer").toString();
        if (v("n").isNull()) {
            if (noFiler)
                noFiler(payer);
            continue;
        }
        QVariant box1, box2;
        if (!payer.isEmpty()) {
            if (payer.count(QLatin1Char('-')) >= 2)
                box2 = payer;
            else
                box1 = payer;
        } else if (!v("RecIDNo").toString().isEmpty()) {
            box1 = v("RecIDNo").toString();
        }
        QVariantList values;
        for (const char *c : {"PayerName", "PayerL1", "PayerL2", "PayerL3", "Contact", "Phone", "Email", "Fax"})
            values << v(c).toString();
        values << box1 << box2 << v("n").toInt() << Money::fromVariant(v("box4")).toVariant()
               << Money::fromVariant(v("reported")).toVariant();
        insert.run(values);
        ++rows;
    }
    tx.commit();
    return rows;
}

} // namespace quillory
