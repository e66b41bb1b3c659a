#include "data/TableInfo.h"

#include "data/DbError.h"

#include <QRegularExpression>

namespace quillory {

ColumnInfo columnFromDeclaredType(const QString &name, const QString &declaredType, bool primaryKey)
{
    static const QRegularExpression sized(QStringLiteral("^\\s*(\\w+)\\s*(?:\\(\\s*(\\d+)\\s*\\))?"));
    ColumnInfo info;
    info.name = name;
    const auto m = sized.match(declaredType);
    const QString base = m.captured(1).toUpper();
    if (base == QLatin1String("TEXT") || base == QLatin1String("VARCHAR") || base == QLatin1String("CHAR")) {
        info.kind = ColumnKind::Text;
        info.size = m.captured(2).toInt();
    } else if (base == QLatin1String("CURRENCY")) {
        info.kind = ColumnKind::Money;
    } else if (base == QLatin1String("YESNO")) {
        info.kind = ColumnKind::Flag;
    } else if (base == QLatin1String("INTEGER")) {
        info.kind = primaryKey ? ColumnKind::Counter : ColumnKind::Integer;
    } else if (base == QLatin1String("DOUBLE") || base == QLatin1String("REAL")) {
        info.kind = ColumnKind::Number;
    } else {
        info.kind = ColumnKind::Text;
    }
    return info;
}

TableInfo::TableInfo(QString name, QVector<ColumnInfo> columns) : name_(std::move(name)), columns_(std::move(columns))
{
    for (int i = 0; i < columns_.size(); ++i) {
        columns_[i].position = i;
        byName_.insert(columns_[i].name.toLower(), i);
    }
}

int TableInfo::indexOf(const QString &column) const
{
    return byName_.value(column.toLower(), -1);
}

const ColumnInfo *TableInfo::find(const QString &column) const
{
    const int i = indexOf(column);
    return i < 0 ? nullptr : &columns_[i];
}

const ColumnInfo &TableInfo::column(const QString &column) const
{
    const ColumnInfo *info = find(column);
    if (!info)
        throw DbError(QStringLiteral("Item not found in this collection: column %1 of table %2.").arg(column, name_));
    return *info;
}

} // namespace quillory
