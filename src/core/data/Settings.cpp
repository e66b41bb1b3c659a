#include "data/Settings.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"

namespace quillory {

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

QString whatsChangedCaption(const QString &year)
{
    if (year.isEmpty())
        return QStringLiteral("What's changed in current year?");
    return QStringLiteral("What's changed in ") + year + QStringLiteral("?");
}

} // namespace quillory
