#include "print_w2/W3Summary.h"

#include "data/Database.h"
#include "data/Money.h"
#include "printing/FormEdition.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace quillory {

namespace {

// One pass over the W-2s: the engine groups and sums (box 12: the codes %1 to %4 test, those
// of the W-3 edition's deferred compensation); the first W-2 of each group (lowest id)
// gives the employer's name, address, state and sick-pay mark. A W-2 whose filer is gone
// takes no part, and a missing employer number, kind or establishment counts as empty.
const char *const kGroupQuery = R"SQL(
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

struct PayerKind {
    const char *filerType;
    const char *column;
};

const PayerKind kKinds[] = {
    {"941", "Boxb_941"},   {"Military", "Boxb_M"},
    {"943", "Boxb_943"},   {"CT-1", "Boxb_CT-1"},
    {"HHE", "Boxb_HHE"},   {"Household Employer", "Boxb_HHE"},
    {"MG", "Boxb_MG"},     {"Medicare Govt Employer", "Boxb_MG"},
    {"3PSP", "Boxb_3PSP"},
};

} // namespace

const char *kindOfPayerColumn(const QString &filerType)
{
    for (const PayerKind &k : kKinds) {
        if (filerType.compare(QLatin1String(k.filerType), Qt::CaseInsensitive) == 0)
            return k.column;
    }
    return nullptr;
}

namespace {

// Amount columns in the order of the group query's s1 .. s19 (box 13 holds a label).
const QStringList kAmountColumns = {"Box1",  "Box2",  "Box3",  "Box4",  "Box5",  "Box6",  "Box7",  "Box8", "Box9",
                                    "Box10", "Box11", "Box12", "Box14", "Box16", "Box17", "Box18", "Box19"};

// The W-3 row of one group of W-2s, by column.
QHash<QString, QVariant> w3Row(const QSqlQuery &groups)
{
    const auto v = [&](const char *name) { return groups.value(QLatin1String(name)); };
    const auto text = [&](const char *name) { return v(name).toString(); };
    const QString filerType = text("filertype");
    const Money sickTotal = Money::fromVariant(v("sick"));
    const bool twoStates = !text("Box15a_L1").isEmpty() && !text("Box15a_L2").isEmpty();

    QHash<QString, QVariant> row;
    row["Boxa"] = QString(QLatin1String(""));
    row["Boxc"] = v("n");
    row["Boxd"] = text("estno");
    row["Boxe"] = text("boxb");
    row["Boxf"] = v("Boxc_L1");
    row["Boxg_L1"] = v("Boxc_L2");
    row["Boxg_L2"] = v("Boxc_L3");
    row["Boxg_L3"] = v("Boxc_L4");
    row["Boxh"] = v("AddlEIN");
    if (sickTotal > Money())
        row["Box13"] = QStringLiteral("Third-Party Sick Pay Recap");
    row["Box15a"] = twoStates ? QStringLiteral("X") : v("Box15a_L1");
    row["Box15b"] = twoStates ? QString(QLatin1String("")) : v("Box15b_L1");
    for (const char *c : {"Contact", "Phone", "Email", "Fax"})
        row[QLatin1String(c)] = v(c);
    const char *const sums[] = {"s1",  "s2",  "s3",  "s4",   "s5",  "s6",  "s7",  "s8", "s9",
                                "s10", "s11", "s12", "sick", "s16", "s17", "s18", "s19"};
    for (int i = 0; i < kAmountColumns.size(); ++i)
        row[kAmountColumns[i]] = Money::fromVariant(v(sums[i])).toVariant();
    if (const char *mark = kindOfPayerColumn(filerType))
        row[QLatin1String(mark)] = QStringLiteral("X");
    if (Money::fromVariant(v("SickPay")) > Money())
        row["Boxb_3PSP"] = QStringLiteral("X");

    return row;
}

} // namespace

int buildW3Summaries(Database &db)
{
    const FormEdition edition = ChooseEdition(db, QStringLiteral("W3"));
    QVariantList params;
    QString query = QString::fromLatin1(kGroupQuery);
    for (const char *line : {"a", "b", "c", "d"})
        query = query.arg(
            deferralTest(QStringLiteral("W2.Box12%1_Code").arg(QLatin1String(line)), edition.deferralCodes, params));
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM W3"));
    QSqlQuery groups = db.exec(query, params);

    QStringList columns = {"Boxa", "Boxc",  "Boxd",   "Boxe",   "Boxf",    "Boxg_L1", "Boxg_L2", "Boxg_L3",
                           "Boxh", "Box13", "Box15a", "Box15b", "Contact", "Phone",   "Email",   "Fax"};
    columns += kAmountColumns;
    for (const PayerKind &k : kKinds)
        if (!columns.contains(QLatin1String(k.column)))
            columns << QLatin1String(k.column);
    QStringList quotedColumns, marks;
    for (const QString &c : columns) {
        quotedColumns << Database::quoted(c);
        marks << QStringLiteral("?");
    }
    Statement insert(db,
                     QStringLiteral("INSERT INTO W3 (%1) VALUES (%2)").arg(quotedColumns.join(", "), marks.join(", ")));

    int rows = 0;
    while (groups.next()) {
        const QHash<QString, QVariant> row = w3Row(groups);
        QVariantList values;
        for (const QString &c : columns)
            values << row.value(c);
        insert.run(values);
        ++rows;
    }
    tx.commit();
    return rows;
}

} // namespace quillory
