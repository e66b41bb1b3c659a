#include "print_1099/Summary1096.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Money.h"
#include "data/ReturnTable.h"
#include "data/Settings.h"

#include <QSqlQuery>
#include <QStringList>

namespace quillory {

namespace {

// The returns of one form type that a 1096 summarises: their table, the column of the tax
// withheld (box 4), the columns whose sum is the amount reported (box 5), the type mark and the
// FormType.
struct Returns {
    const char *table;
    const char *withheld;
    const char *reported;
    const char *mark; // the "1099-MISC" column
    const char *formType;
};

// Tax years before 2025: one 1096 per payer for the 1099-MISCs, as the early-2000s program made it.
const Returns kMiscBefore2025{"1099Misc", "Box4", "Box1 Box2 Box3 Box5 Box6 Box7 Box8 Box10 Box13 Box14", "X", nullptr};
// From 2025 one 1096 per payer and form type. Box 5 totals "Form 1099-MISC: Boxes 1, 2, 3, 5, 6,
// 8, 9, 10, and 11" and "Form 1099-NEC: Boxes 1 and 3" (Form 1096 (2026), page 2, Box 5); the
// 1099-NEC's boxes 1b and 1d are amounts included in box 1a (Instructions for Forms 1099-MISC
// and 1099-NEC, Rev. December 2026).
const Returns kMisc{"1099Misc", "Box4", "Box1 Box2 Box3 Box5 Box6 Box8 Box10 Box14 FishPurchased", "X", "1099-MISC"};
const Returns kNec{"1099Nec", "FedTaxWithheld", "NonemployeeComp GoldenParachute", nullptr, "1099-NEC"};

int addSummaries(Database &db, const Returns &r, const std::function<void(const QString &)> &noFiler)
{
    QSqlQuery payers = returnTable::payerTotals(db, QLatin1String(r.table), QLatin1String(r.withheld),
                                                QString::fromLatin1(r.reported).split(QLatin1Char(' ')));
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

RecordSet summaries1096(Database &db, const QString &formType)
{
    return formType.isEmpty()
               ? RecordSet::table(db, QStringLiteral("1096"))
               : RecordSet::table(db, QStringLiteral("1096"), QStringLiteral("FormType = ?"), {formType});
}

RecordSet summary1096Of(Database &db, const QString &payerNumber, const QString &formType)
{
    QString where = payerNumber.count(QLatin1Char('-')) >= 2 ? QStringLiteral("Box2 = ?") : QStringLiteral("Box1 = ?");
    QVariantList params{payerNumber};
    if (!formType.isEmpty()) {
        where += QStringLiteral(" AND FormType = ?");
        params << formType;
    }
    return RecordSet::table(db, QStringLiteral("1096"), where, params);
}

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
