#include "data/RecordSet.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace quillory {

namespace {

const char *const kNoCurrent = "No current record.";

bool sameValue(const QVariant &a, const QVariant &b, ColumnKind kind)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    switch (kind) {
    case ColumnKind::Text:
        return a.toString().compare(b.toString(), Qt::CaseInsensitive) == 0;
    case ColumnKind::Number:
        return a.toDouble() == b.toDouble();
    case ColumnKind::Flag:
        return (a.toLongLong() != 0) == (b.toLongLong() != 0);
    default:
        return a.toLongLong() == b.toLongLong();
    }
}

} // namespace

RecordSet::RecordSet(Database &db, QString table) : db_(&db), table_(std::move(table)) {}

RecordSet RecordSet::query(Database &db, const QString &sql, const QVariantList &params)
{
    RecordSet set(db, QString());
    set.load(sql, params, false);
    return set;
}

RecordSet RecordSet::table(Database &db, const QString &table, const QString &where, const QVariantList &params,
                           const QString &orderBy)
{
    const TableInfo &info = db.table(table);
    RecordSet set(db, info.name());
    set.columns_ = info.columns();
    set.info_ = info;
    QString sql = QStringLiteral("SELECT rowid, * FROM %1").arg(Database::quoted(info.name()));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    set.sql_ = sql;
    set.params_ = params;
    set.load(sql, params, true);
    return set;
}

void RecordSet::followSchema()
{
    if (!isUpdatable())
        return;
    const TableInfo &now = db_->table(table_);
    bool same = now.columnCount() == columns_.size();
    for (int i = 0; same && i < columns_.size(); ++i)
        same = now.columns()[i].name == columns_[i].name && now.columns()[i].kind == columns_[i].kind;
    if (same)
        return;
    const qlonglong at = (pos_ >= 0 && pos_ < rows_.size()) ? rows_[pos_].rowid : -1;
    const QVector<ColumnInfo> before = columns_;
    columns_ = now.columns();
    info_ = now;
    rows_.clear();
    load(sql_, params_, true);
    for (int r = 0; r < rows_.size(); ++r)
        if (rows_[r].rowid == at)
            pos_ = r;
    if (mode_ == Mode::None)
        return;
    Row pending;
    pending.rowid = pending_.rowid;
    pending.values.resize(columns_.size());
    if (mode_ == Mode::Editing && at >= 0 && pos_ < rows_.size() && rows_[pos_].rowid == at)
        pending.values = rows_[pos_].values;
    QVector<bool> dirty(columns_.size(), false);
    for (int i = 0; i < before.size(); ++i) {
        const int j = info_.indexOf(before[i].name);
        if (j >= 0) {
            pending.values[j] = pending_.values[i];
            dirty[j] = dirty_[i];
        }
    }
    pending_ = std::move(pending);
    dirty_ = dirty;
}

void RecordSet::load(const QString &sql, const QVariantList &params, bool withRowId)
{
    QSqlQuery q = db_->exec(sql, params);
    const QSqlRecord record = q.record();
    const int offset = withRowId ? 1 : 0;
    if (!withRowId) {
        QVector<ColumnInfo> cols;
        for (int i = 0; i < record.count(); ++i) {
            ColumnInfo c;
            c.name = record.fieldName(i);
            const auto type = record.field(i).metaType().id();
            c.kind = (type == QMetaType::Double)                               ? ColumnKind::Number
                     : (type == QMetaType::LongLong || type == QMetaType::Int) ? ColumnKind::Integer
                                                                               : ColumnKind::Text;
            cols.append(c);
        }
        columns_ = cols;
        info_ = TableInfo(QString(), cols);
    }
    const int n = columns_.size();
    while (q.next()) {
        Row row;
        if (withRowId)
            row.rowid = q.value(0).toLongLong();
        row.values.resize(n);
        for (int i = 0; i < n; ++i)
            row.values[i] = q.value(i + offset);
        rows_.append(std::move(row));
    }
    pos_ = 0;
}

void RecordSet::moveFirst()
{
    onDeleted_ = false;
    pos_ = 0;
}

void RecordSet::moveLast()
{
    onDeleted_ = false;
    pos_ = rows_.size() - 1;
}

void RecordSet::moveNext()
{
    if (eof() && !onDeleted_)
        throw DbError(QString::fromLatin1(kNoCurrent));
    if (onDeleted_)
        onDeleted_ = false;
    else
        ++pos_;
}

void RecordSet::movePrevious()
{
    if (bof() && !onDeleted_)
        throw DbError(QString::fromLatin1(kNoCurrent));
    onDeleted_ = false;
    --pos_;
    if (pos_ < -1)
        pos_ = -1;
}

void RecordSet::moveTo(int index)
{
    if (index < 0 || index >= rows_.size())
        throw DbError(QString::fromLatin1(kNoCurrent));
    onDeleted_ = false;
    pos_ = index;
}

bool RecordSet::findFirst(const Criteria &criteria)
{
    QVector<QPair<int, QVariant>> resolved;
    for (const auto &c : criteria)
        resolved.append({info_.column(c.first).position, c.second});
    for (int r = 0; r < rows_.size(); ++r) {
        bool match = true;
        for (const auto &c : resolved) {
            if (!sameValue(rows_[r].values[c.first], c.second, columns_[c.first].kind)) {
                match = false;
                break;
            }
        }
        if (match) {
            onDeleted_ = false;
            pos_ = r;
            return true;
        }
    }
    return false;
}

const RecordSet::Row &RecordSet::current() const
{
    if (mode_ != Mode::None)
        return pending_;
    if (onDeleted_)
        throw DbError(QStringLiteral("Record is deleted."));
    if (bof() || eof())
        throw DbError(QString::fromLatin1(kNoCurrent));
    return rows_[pos_];
}

QVariant RecordSet::value(const QString &column) const
{
    return current().values[info_.column(column).position];
}

QVariant RecordSet::value(int column) const
{
    if (column < 0 || column >= columns_.size())
        throw DbError(QStringLiteral("Item not found in this collection: column %1.").arg(column));
    return current().values[column];
}

qlonglong RecordSet::rowId() const
{
    requireUpdatable();
    return current().rowid;
}

void RecordSet::requireUpdatable() const
{
    if (!isUpdatable())
        throw DbError(QStringLiteral("Operation is not supported for this type of object."));
}

void RecordSet::addNew()
{
    requireUpdatable();
    mode_ = Mode::Adding;
    pending_ = Row();
    pending_.values.resize(columns_.size());
    dirty_.fill(false, columns_.size());
}

void RecordSet::edit()
{
    requireUpdatable();
    const Row row = current();
    mode_ = Mode::Editing;
    pending_ = row;
    dirty_.fill(false, columns_.size());
}

void RecordSet::setValue(const QString &column, const QVariant &value)
{
    if (mode_ == Mode::None)
        throw DbError(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const ColumnInfo &c = info_.column(column);
    if (c.kind == ColumnKind::Counter)
        throw DbError(QStringLiteral("Field '%1' cannot be updated.").arg(c.name));
    pending_.values[c.position] = value;
    dirty_[c.position] = true;
}

RecordSet::Row RecordSet::readRow(qlonglong rowid) const
{
    QSqlQuery q = db_->exec(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(Database::quoted(table_)), {rowid});
    if (!q.next())
        throw DbError(QString::fromLatin1(kNoCurrent));
    Row row;
    row.rowid = rowid;
    row.values.resize(columns_.size());
    for (int i = 0; i < columns_.size(); ++i)
        row.values[i] = q.value(i);
    return row;
}

void RecordSet::update()
{
    if (mode_ == Mode::None)
        throw DbError(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    QStringList names;
    QVariantList values;
    for (int i = 0; i < columns_.size(); ++i) {
        if (dirty_[i]) {
            names.append(Database::quoted(columns_[i].name));
            values.append(pending_.values[i]);
        }
    }
    const QString table = Database::quoted(table_);
    Transaction tx(*db_);
    qlonglong rowid = pending_.rowid;
    if (mode_ == Mode::Adding) {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks.append(QStringLiteral("?"));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(", "), marks.join(", "));
        }
        rowid = db_->exec(sql, values).lastInsertId().toLongLong();
    } else if (!names.isEmpty()) {
        QStringList sets;
        for (const QString &n : names)
            sets.append(n + QStringLiteral(" = ?"));
        values.append(rowid);
        db_->exec(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, sets.join(", ")), values);
    }
    Row stored = readRow(rowid);
    tx.commit();

    if (mode_ == Mode::Adding) {
        const bool wasEmpty = rows_.isEmpty();
        rows_.append(std::move(stored));
        if (wasEmpty)
            pos_ = 0;
    } else {
        rows_[pos_] = std::move(stored);
    }
    mode_ = Mode::None;
}

void RecordSet::cancelUpdate()
{
    mode_ = Mode::None;
    pending_ = Row();
}

void RecordSet::deleteCurrent()
{
    requireUpdatable();
    if (mode_ != Mode::None)
        throw DbError(QStringLiteral("Cannot delete while a record is being added or edited."));
    const Row &row = current();
    {
        Transaction tx(*db_);
        db_->exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Database::quoted(table_)), {row.rowid});
        tx.commit();
    }
    rows_.removeAt(pos_);
    onDeleted_ = true;
}

} // namespace quillory
