#include "efile/IrisNames.h"

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QRegularExpression>

namespace quillory::efile {

namespace {

bool isSuffix(const QString &word)
{
    static const QStringList suffixes = {QStringLiteral("JR"),  QStringLiteral("SR"), QStringLiteral("II"),
                                         QStringLiteral("III"), QStringLiteral("IV"), QStringLiteral("V")};
    return suffixes.contains(QString(word).remove(QLatin1Char('.')).toUpper());
}

// Where a form type's rows are and what their columns are called.
struct NameTable {
    QString table;
    QString key;
    QString prefix; // "Payer" or "Rec"
    QString nameColumn;
    QString tinColumn;
};
const NameTable kPayers{QStringLiteral("FilerInfo"), QStringLiteral("Tfid"), QStringLiteral("Payer"),
                        QStringLiteral("PayerName"), QStringLiteral("FedIDNo")};

NameTable recipients(const QString &form)
{
    return {form == QLatin1String("1099-NEC") ? QStringLiteral("1099Nec") : QStringLiteral("1099Misc"),
            QStringLiteral("Counter"), QStringLiteral("Rec"), QStringLiteral("RecName1"), QStringLiteral("RecIDNo")};
}

} // namespace

QString tinTypeOf(const QString &tin)
{
    static const QRegularExpression ein(QStringLiteral("^\\d{2}-\\d{7}$"));
    static const QRegularExpression ssn(QStringLiteral("^\\d{3}-\\d{2}-\\d{4}$"));
    if (ein.match(tin.trimmed()).hasMatch())
        return QStringLiteral("EIN");
    return ssn.match(tin.trimmed()).hasMatch() ? QStringLiteral("SSN") : QString();
}

NameParts proposeNameParts(const QString &nameLine, const QString &tin)
{
    NameParts p;
    if (tinTypeOf(tin) != QLatin1String("SSN")) {
        p.type = QStringLiteral("B");
        return p;
    }
    p.type = QStringLiteral("I");
    QString line = nameLine.simplified();
    QString last;
    // "SMITH, MARY ANN": the surname before the comma.
    const int comma = line.indexOf(QLatin1Char(','));
    if (comma > 0 && !isSuffix(line.mid(comma + 1).trimmed())) {
        last = line.left(comma).trimmed();
        line = line.mid(comma + 1).trimmed();
    }
    QStringList words = line.remove(QLatin1Char(',')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() > 1 && isSuffix(words.last()))
        p.suffix = words.takeLast();
    if (last.isEmpty() && words.size() > 1)
        last = words.takeLast();
    if (!words.isEmpty())
        p.first = words.takeFirst();
    p.middle = words.join(QLatin1Char(' '));
    p.last = last;
    return p;
}

QVector<UnsplitName> unsplitNames(Database &db, const QString &form, const QString &payerFedIdNo)
{
    QVector<UnsplitName> out;
    const NameTable rec = recipients(form);
    for (const NameTable &t : {kPayers, rec}) {
        const bool payers = t.table == kPayers.table;
        QString where = QStringLiteral("%1NameType IS NULL").arg(t.prefix);
        QVariantList params;
        if (!payerFedIdNo.isEmpty()) {
            where += QStringLiteral(" AND FedIDNo = ?");
            params << payerFedIdNo;
        }
        if (payers)
            where += QStringLiteral(" AND FedIDNo IN (SELECT FedIDNo FROM %1)").arg(Database::quoted(rec.table));
        RecordSet rows = RecordSet::table(db, t.table, where, params, t.key);
        for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
            UnsplitName u;
            u.table = t.table;
            u.key = rows.integer(t.key);
            u.nameLine = rows.text(t.nameColumn).trimmed();
            u.tin = rows.text(t.tinColumn).trimmed();
            u.who = (payers ? QStringLiteral("Payer ") : QStringLiteral("Recipient ")) + u.tin;
            u.proposal = proposeNameParts(u.nameLine, u.tin);
            out << u;
        }
    }
    return out;
}

void storeNameParts(Database &db, const UnsplitName &row, const NameParts &parts)
{
    const bool payer = row.table == QLatin1String("FilerInfo");
    const QString prefix = payer ? QStringLiteral("Payer") : QStringLiteral("Rec");
    const bool person = parts.type == QLatin1String("I");
    db.exec(QStringLiteral("UPDATE %1 SET %2NameType = ?, %2FirstName = ?, %2MiddleName = ?, %2LastName = ?, "
                           "%2Suffix = ?, %2TinType = coalesce(nullif(%2TinType, ''), ?) WHERE %3 = ?")
                .arg(Database::quoted(row.table), prefix, payer ? QStringLiteral("Tfid") : QStringLiteral("Counter")),
            {parts.type, person ? parts.first : QString(), person ? parts.middle : QString(),
             person ? parts.last : QString(), person ? parts.suffix : QString(),
             tinTypeOf(row.tin).isEmpty() ? QVariant() : QVariant(tinTypeOf(row.tin)), row.key});
}

} // namespace quillory::efile
