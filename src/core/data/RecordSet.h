#pragma once

#include "data/Money.h"
#include "data/TableInfo.h"

#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

namespace quillory {

class Database;

// Rows read at once when the set opens, held without an open statement. A set opened on
// a table is updatable: add, edit, store and delete go straight to the database, each
// store in its own transaction.
class RecordSet {
public:
    using Criteria = QVector<QPair<QString, QVariant>>;

    // Every row of a query, read-only.
    static RecordSet query(Database &db, const QString &sql, const QVariantList &params = {});
    // The rows of one table, optionally filtered ("Tfid = ?") and ordered ("Boxd").
    static RecordSet table(Database &db, const QString &table, const QString &where = {},
                           const QVariantList &params = {}, const QString &orderBy = {});

    int recordCount() const { return rows_.size(); }
    int columnCount() const { return columns_.size(); }
    const ColumnInfo &column(int index) const { return columns_.at(index); }
    const ColumnInfo *findColumn(const QString &name) const { return info_.find(name); }
    const TableInfo &columns() const { return info_; }
    bool isUpdatable() const { return !table_.isEmpty(); }

    // Position: 0 .. count-1 on a row; BOF before the first, EOF after the last.
    bool bof() const { return pos_ < 0 || rows_.isEmpty(); }
    bool eof() const { return pos_ >= rows_.size() || rows_.isEmpty(); }
    int position() const { return pos_; }
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void moveTo(int index);
    // Moves to the first row whose columns equal the given values (text without regard
    // to case); returns false and stays put when none does.
    bool findFirst(const Criteria &criteria);

    // Values of the current row (or of the row being added or edited).
    QVariant value(const QString &column) const;
    QVariant value(int column) const;
    QString text(const QString &column) const { return value(column).toString(); }
    Money money(const QString &column) const { return Money::fromVariant(value(column)); }
    bool flag(const QString &column) const { return value(column).toLongLong() != 0; }
    qlonglong integer(const QString &column) const { return value(column).toLongLong(); }
    bool isNull(const QString &column) const { return value(column).isNull(); }

    // Editing: addNew or edit, set values, then update (stores) or cancelUpdate.
    void addNew();
    void edit();
    bool isEditing() const { return mode_ != Mode::None; }
    bool isAdding() const { return mode_ == Mode::Adding; }
    void setValue(const QString &column, const QVariant &value);
    void setText(const QString &column, const QString &text) { setValue(column, text); }
    void setMoney(const QString &column, Money amount) { setValue(column, amount.toVariant()); }
    void setFlag(const QString &column, bool on) { setValue(column, on ? -1 : 0); }
    // Stores the pending row. A new row is added at the end of the set; the position does
    // not move (as after an edit), unless the set was empty. Throws DbError and keeps the
    // pending values when the store fails.
    void update();
    void cancelUpdate();
    // Deletes the current row. Afterwards there is no current row until the next move;
    // moveNext goes to the row that followed it, movePrevious to the one before it.
    void deleteCurrent();
    // When the table's columns have changed in the file since the set opened (a file repaired
    // while a failure was reported), reads the rows again with the columns as they are now,
    // keeping the current row and the values being added or edited.
    void followSchema();
    // The table's rowid of the current row (updatable sets only).
    qlonglong rowId() const;

private:
    enum class Mode { None, Adding, Editing };
    struct Row {
        qlonglong rowid = 0;
        QVector<QVariant> values;
    };

    RecordSet(Database &db, QString table);
    void load(const QString &sql, const QVariantList &params, bool withRowId);
    const Row &current() const;
    Row readRow(qlonglong rowid) const;
    void requireUpdatable() const;

    Database *db_;
    QString table_;
    QString sql_;
    QVariantList params_;
    QVector<ColumnInfo> columns_;
    TableInfo info_;
    QVector<Row> rows_;
    int pos_ = -1;
    bool onDeleted_ = false;
    Mode mode_ = Mode::None;
    Row pending_;
    QVector<bool> dirty_;
};

} // namespace quillory
