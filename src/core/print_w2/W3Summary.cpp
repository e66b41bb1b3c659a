#include "print_w2/W3Summary.h"

#include "data/Database.h"
#include "data/Money.h"
#include "data/W2Table.h"
#include "printing/FormEdition.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace quillory {

namespace {

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

RecordSet w3Summaries(Database &db)
{
    return RecordSet::table(db, QStringLiteral("W3"));
}

RecordSet w3SummaryOf(Database &db, const QString &employerNumber)
{
    return RecordSet::table(db, QStringLiteral("W3"), QStringLiteral("Boxe = ?"), {employerNumber});
}

int buildW3Summaries(Database &db)
{
    const FormEdition edition = ChooseEdition(db, QStringLiteral("W3"));
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM W3"));
    QSqlQuery groups = w2Table::w3Groups(db, edition.deferralCodes);

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
