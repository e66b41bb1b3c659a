#include "print_1099/Summary1096.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Money.h"
#include "data/Settings.h"

#include <QSqlQuery>
#include <QStringList>

namespace quillory {

namespace {

// The returns of one form type that a 1096 summarises: their table, the column of the tax
// withheld (box 4), the sum of the amounts reported (box 5), the type mark and the FormType.
struct Returns {
    const char *table;
    const char *withheld;
    const char *reported;
    const char *mark; // the "1099-MISC" column
    const char *formType;
};

// Tax years before 2025: one 1096 per payer for the 1099-MISCs, as the early-2000s program made it.
const Returns kMiscBefore2025{"1099Misc", "m.Box4",
                              "m.Box1 + m.Box2 + m.Box3 + m.Box5 + m.Box6 + m.Box7 + m.Box8 + m.Box10\n"
                              "             + m.Box13 + m.Box14",
                              "X", nullptr};
// From 2025 one 1096 per payer and form type. Box 5 totals "Form 1099-MISC: Boxes 1, 2, 3, 5, 6,
// 8, 9, 10, and 11" and "Form 1099-NEC: Boxes 1 and 3" (Form 1096 (2026), page 2, Box 5); the
// 1099-NEC's boxes 1b and 1d are amounts included in box 1a (Instructions for Forms 1099-MISC
// and 1099-NEC, Rev. December 2026).
const Returns kMisc{"1099Misc", "m.Box4",
                    "m.Box1 + m.Box2 + m.Box3 + m.Box5 + m.Box6 + m.Box8 + m.Box10 + m.Box14 + m.FishPurchased", "X",
                    "1099-MISC"};
const Returns kNec{"1099Nec", "m.FedTaxWithheld", "m.NonemployeeComp + m.GoldenParachute", nullptr, "1099-NEC"};

// Every payer number, and for those whose forms join a filer the totals and the first form.
QString payerQuery(const Returns &r)
{
    return QStringLiteral(R"SQL(
SELECT p.payer, g.n, g.box4, g.reported,
       m.PayerName, m.PayerL1, m.PayerL2, m.PayerL3, m.RecIDNo,
       fi.Contact, fi.Phone, fi.Email, fi.Fax
FROM (SELECT DISTINCT coalesce(FedIDNo, '') AS payer FROM %1) AS p
LEFT JOIN (
  SELECT coalesce(m.FedIDNo, '') AS payer, count(*) AS n, min(m.Counter) AS firstId,
         sum(%2) AS box4,
         sum(%3) AS reported
  FROM %1 AS m INNER JOIN FilerInfo AS f ON m.Tfid = f.Tfid
  GROUP BY 1
) AS g ON g.payer = p.payer
LEFT JOIN %1 AS m ON m.Counter = g.firstId
LEFT JOIN FilerInfo AS fi ON fi.Tfid = m.Tfid
ORDER BY p.payer
)SQL")
        .arg(Database::quoted(QLatin1String(r.table)), QLatin1String(r.withheld), QLatin1String(r.reported));
}

int addSummaries(Database &db, const Returns &r, const std::function<void(const QString &)> &noFiler)
{
    QSqlQuery payers = db.exec(payerQuery(r));
    Statement insert(db, QStringLiteral("INSERT INTO \"1096\" (PayerName, PayerL1, PayerL2, PayerL3, Contact, Phone, "
                                        "Email, Fax, Box1, Box2, Box3, Box4, Box5, \"1099-MISC\", FormType) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
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
        const auto orNull = [](const char *text) { return text ? QVariant(QString::fromLatin1(text)) : QVariant(); };
        values << box1 << box2 << v("n").toInt() << Money::fromVariant(v("box4")).toVariant()
               << Money::fromVariant(v("reported")).toVariant() << orNull(r.mark) << orNull(r.formType);
        insert.run(values);
        ++rows;
    }
    return rows;
}

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
    int rows = 0;
    const QString year = Settings::read(db).year.trimmed();
    if (year.toInt() >= 2025) {
        rows += addSummaries(db, kMisc, noFiler);
        rows += addSummaries(db, kNec, noFiler);
        // The column's default is the seed's year; these rows are of the database's.
        db.exec(QStringLiteral("UPDATE \"1096\" SET Year = ?"), {year});
    } else {
        rows += addSummaries(db, kMiscBefore2025, noFiler);
    }
    tx.commit();
    return rows;
}

} // namespace quillory
