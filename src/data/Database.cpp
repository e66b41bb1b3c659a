#include "data/Database.h"

#include "data/DbError.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

namespace quillory {

namespace {

QAtomicInt connectionCounter;

QString errorText(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    if (text.isEmpty())
        text = error.text();
    return text;
}

} // namespace

Database::Database() : connectionName_(QStringLiteral("quillory-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {}

Database::~Database()
{
    close();
}

void Database::open(const QString &path)
{
    close();
    const QFileInfo info(path);
    if (!info.exists())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(QDir::toNativeSeparators(path)));
    if (info.isDir())
        throw DbError(QStringLiteral("'%1' is a folder, not a database file.").arg(QDir::toNativeSeparators(path)));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        // mode=rw: a missing file is an error, never a new empty database.
        db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            const QString text = errorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            throw DbError(
                QStringLiteral("Could not open the database file '%1': %2").arg(QDir::toNativeSeparators(path), text));
        }
    }
    path_ = info.absoluteFilePath();
    try {
        // Reading the schema finds a file that is not a database; taking the write lock
        // finds one that is read-only or locked by another program.
        exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        exec(QStringLiteral("ROLLBACK"));
        exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    } catch (const DbError &e) {
        close();
        throw DbError(QStringLiteral("Could not open the database file '%1': %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(e.what())));
    }
}

void Database::close()
{
    tables_.clear();
    if (QSqlDatabase::contains(connectionName_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName_);
    }
    path_.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(connectionName_) && QSqlDatabase::database(connectionName_, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    if (!isOpen())
        throw DbError(QStringLiteral("The database file is not open."));
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &params)
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(errorText(query.lastError()));
    for (const QVariant &p : params)
        query.addBindValue(p);
    if (!query.exec())
        throw DbError(errorText(query.lastError()));
    return query;
}

QVariant Database::scalar(const QString &sql, const QVariantList &params)
{
    QSqlQuery query = exec(sql, params);
    if (!query.next())
        return QVariant();
    return query.value(0);
}

const TableInfo &Database::table(const QString &name)
{
    const QString key = name.toLower();
    auto it = tables_.find(key);
    if (it != tables_.end())
        return **it;

    const QVariant stored = scalar(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"), {name});
    if (!stored.isValid())
        throw DbError(QStringLiteral("The database engine cannot find the table '%1'.").arg(name));
    const QString tableName = stored.toString();

    QVector<ColumnInfo> columns;
    QSqlQuery info = exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(tableName)));
    while (info.next()) {
        columns.append(columnFromDeclaredType(info.value(QStringLiteral("name")).toString(),
                                              info.value(QStringLiteral("type")).toString(),
                                              info.value(QStringLiteral("pk")).toInt() > 0));
    }
    auto table = std::make_shared<TableInfo>(tableName, columns);
    tables_.insert(key, table);
    return *table;
}

QString Database::quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

Transaction::Transaction(Database &db) : db_(db)
{
    db_.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            db_.exec(QStringLiteral("ROLLBACK"));
        } catch (const DbError &) {
            // The engine has already rolled back after the failure.
        }
    }
}

void Transaction::commit()
{
    db_.exec(QStringLiteral("COMMIT"));
    done_ = true;
}

} // namespace quillory
