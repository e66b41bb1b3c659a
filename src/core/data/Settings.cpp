#include "data/Settings.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"

namespace quillory {

QString Settings::yearText(Database &db)
{
    const QVariant year = db.scalar(QStringLiteral("SELECT Year FROM Settings LIMIT 1"));
    if (!year.isValid())
        return QString();
    return year.isNull() ? QStringLiteral("") : year.toString();
}

bool Settings::exists(Database &db)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM Settings LIMIT 1")).isValid();
}

int Settings::nextW2Counter(Database &db)
{
    Transaction t(db);
    const QVariant row = db.scalar(QStringLiteral("SELECT min(rowid) FROM Settings"));
    if (!row.isValid() || row.isNull())
        throw DbError(QStringLiteral("No current record."));
    db.exec(QStringLiteral("UPDATE Settings SET W2ctr = coalesce(W2ctr, 0) + 1 WHERE rowid = ?"), {row});
    const int next = db.scalar(QStringLiteral("SELECT W2ctr FROM Settings WHERE rowid = ?"), {row}).toInt();
    t.commit();
    return next;
}

int Settings::irisRowsPerFile(Database &db)
{
    return db.scalar(QStringLiteral("SELECT IrisRowsPerFile FROM Settings")).toInt();
}

void Settings::storeIrisRowsPerFile(Database &db, int rows)
{
    db.exec(QStringLiteral("UPDATE Settings SET IrisRowsPerFile = ?"), {rows});
}

int Settings::screenYear(Database &db)
{
    try {
        return read(db).year.toInt();
    } catch (const std::exception &) {
        return 0;
    }
}

Settings Settings::read(Database &db)
{
    RecordSet rs = RecordSet::table(db, QStringLiteral("Settings"));
    if (rs.eof())
        throw DbError(QStringLiteral("No current record."));
    if (rs.isNull(QStringLiteral("Year")) || rs.isNull(QStringLiteral("W2AutoNo")))
        throw DbError(QStringLiteral("Invalid use of Null."));
    Settings s;
    s.year = rs.text(QStringLiteral("Year"));
    s.w2AutoNo = static_cast<int>(rs.integer(QStringLiteral("W2AutoNo")));
    s.w2ctr = static_cast<int>(rs.integer(QStringLiteral("W2ctr")));
    s.ssWages = rs.money(QStringLiteral("SSwages"));
    s.ssTaxMax = rs.money(QStringLiteral("SSTaxMax"));
    s.ssTaxPct = rs.value(QStringLiteral("SSTaxPct")).toDouble();
    s.mdTaxPct = rs.value(QStringLiteral("MDtaxPct")).toDouble();
    s.eicMax = rs.money(QStringLiteral("EICMax"));
    s.w2box12 = rs.money(QStringLiteral("W2box12"));
    return s;
}

void Settings::storeAutoNumber(Database &db, bool on)
{
    RecordSet rs = RecordSet::table(db, QStringLiteral("Settings"));
    if (rs.eof())
        throw DbError(QStringLiteral("No current record."));
    rs.edit();
    rs.setValue(QStringLiteral("W2AutoNo"), on ? -1 : 0);
    rs.update();
}

void Settings::storeYearValues(Database &db, const Settings &values)
{
    RecordSet rs = RecordSet::table(db, QStringLiteral("Settings"));
    if (rs.eof())
        throw DbError(QStringLiteral("No current record."));
    rs.edit();
    rs.setText(QStringLiteral("Year"), values.year);
    rs.setMoney(QStringLiteral("SSwages"), values.ssWages);
    rs.setValue(QStringLiteral("SSTaxPct"), values.ssTaxPct);
    rs.setMoney(QStringLiteral("SSTaxMax"), values.ssTaxMax);
    rs.setValue(QStringLiteral("MDtaxPct"), values.mdTaxPct);
    rs.setMoney(QStringLiteral("EICMax"), values.eicMax);
    rs.setMoney(QStringLiteral("W2box12"), values.w2box12);
    rs.update();
}

QString whatsChangedCaption(const QString &year)
{
    if (year.isEmpty())
        return QStringLiteral("What's changed in current year?");
    return QStringLiteral("What's changed in ") + year + QStringLiteral("?");
}

} // namespace quillory
