#pragma once

#include <QHash>
#include <QString>
#include <QVector>

namespace quillory {

enum class ColumnKind { Text, Money, Flag, Integer, Counter, Number };

struct ColumnInfo {
    QString name;
    ColumnKind kind = ColumnKind::Text;
    int size = 0;     // defined size of a text column, 0 otherwise
    int position = 0; // 0-based, in the table's own column order
};

// Reads a declared SQL type: "TEXT(40)", "CURRENCY", "YESNO", "INTEGER", "DOUBLE".
ColumnInfo columnFromDeclaredType(const QString &name, const QString &declaredType, bool primaryKey);

// The columns of one table, found by name without regard to letter case.
class TableInfo {
public:
    TableInfo() = default;
    TableInfo(QString name, QVector<ColumnInfo> columns);

    const QString &name() const { return name_; }
    const QVector<ColumnInfo> &columns() const { return columns_; }
    int columnCount() const { return columns_.size(); }
    // -1 when the table has no such column.
    int indexOf(const QString &column) const;
    const ColumnInfo *find(const QString &column) const;
    // Throws DbError naming the column when it is missing.
    const ColumnInfo &column(const QString &column) const;

private:
    QString name_;
    QVector<ColumnInfo> columns_;
    QHash<QString, int> byName_;
};

} // namespace quillory
