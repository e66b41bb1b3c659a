#pragma once

#include "data/TableInfo.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>

namespace quillory {

// One connection to the program's database file. Several may be open on the same file.
class Database {
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing database file for reading and writing and checks that it can be
    // written. Never creates a file; throws DbError with the engine's text on failure.
    void open(const QString &path);
    void close();
    bool isOpen() const;
    const QString &path() const { return path_; }
    QSqlDatabase connection() const;

    // Runs a statement with bound parameters; throws DbError on failure.
    QSqlQuery exec(const QString &sql, const QVariantList &params = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {});

    // Column metadata of a table, by name without regard to case. Cached until the file's
    // schema changes, so that a file repaired meanwhile is seen as it is now.
    const TableInfo &table(const QString &name);

    // Quotes a table or column name for SQL ("1099Misc" -> "\"1099Misc\"").
    static QString quoted(const QString &identifier);

private:
    QString connectionName_;
    QString path_;
    QHash<QString, std::shared_ptr<TableInfo>> tables_;
    qlonglong schemaVersion_ = -1;
    // Replaced entries stay alive for references handed out before the change.
    QVector<std::shared_ptr<TableInfo>> replaced_;
};

// A statement prepared once and run as often as needed, each time with new values.
class Statement {
public:
    // Throws DbError when the engine cannot prepare the text.
    Statement(Database &db, const QString &sql);
    // Binds the values in order and runs the statement; throws DbError on failure.
    QSqlQuery &run(const QVariantList &params = {});
    // The statement itself, for a caller that keeps reading its rows after it is gone.
    QSqlQuery release() && { return std::move(query_); }

private:
    QSqlQuery query_;
};

// Rolls back unless committed; one store is one transaction.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &db_;
    bool done_ = false;
};

} // namespace quillory
