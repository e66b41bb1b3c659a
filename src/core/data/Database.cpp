#include "data/Database.h"

#include "data/DbError.h"
#include "data/SchemaUpgrades.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QSqlError>
#include <QUrl>
#include <QVector>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

// The file holds social security numbers: it and the engine's side files are for their
// owner's eyes only. Only group and other bits are taken away, so a file its owner made
// read-only stays read-only; a file of another owner is left alone. The modes are put back
// unless the open succeeds: a file the program refuses keeps the mode it had.
class PrivateModes {
public:
    explicit PrivateModes(const QString &path)
    {
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        const QFile::Permissions forThisUser = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        for (const QString &file : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")}) {
            const QFileInfo info(file);
            if (!info.isFile() || info.ownerId() != ::geteuid())
                continue;
            const QFile::Permissions was = info.permissions() & ~forThisUser;
            if ((was & ~ownerOnly) && QFile::setPermissions(file, was & ownerOnly))
                changed_.append({file, was});
        }
    }
    ~PrivateModes()
    {
        if (!kept_)
            for (const auto &[file, was] : changed_)
                QFile::setPermissions(file, was);
    }
    PrivateModes(const PrivateModes &) = delete;
    PrivateModes &operator=(const PrivateModes &) = delete;
    void keep() { kept_ = true; }

private:
    QVector<QPair<QString, QFile::Permissions>> changed_;
    bool kept_ = false;
};

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
    // Before the engine opens it, so that the side files it makes copy the owner-only mode.
    PrivateModes modes(info.absoluteFilePath());
    // The engine would open a write-protected file for reading only, leave its side files
    // beside it, and in WAL mode even take the write lock without noticing.
    if (::faccessat(AT_FDCWD, QFile::encodeName(info.absoluteFilePath()).constData(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS))
        throw DbError(QStringLiteral("Could not open the database file '%1': the file is read-only.")
                          .arg(QDir::toNativeSeparators(path)));

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
        // Reading the schema finds a file that is not a database, or an empty one (a copy cut
        // short by a full disk) that would read as a database without tables; taking the
        // write lock finds one that another program is writing to.
        if (scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")).toLongLong() == 0)
            throw DbError(QStringLiteral("The file holds no tables; it is empty or not this program's database."));
        const qlonglong version = scalar(QStringLiteral("PRAGMA user_version")).toLongLong();
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        // Only a real write finds a connection that the engine opened for reading only; it is
        // rolled back here, or with the connection when it fails.
        exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
        exec(QStringLiteral("ROLLBACK"));
        upgradeSchema(*this);
        exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        // Large sorts and statement journals stay in memory rather than in temporary files
        // that would hold record values (social security numbers among them).
        exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    } catch (const DbError &e) {
        close();
        throw DbError(QStringLiteral("Could not open the database file '%1': %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(e.what())));
    }
    modes.keep();
}

void Database::close()
{
    tables_.clear();
    replaced_.clear();
    schemaVersion_ = -1;
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
    Statement statement(*this, sql);
    statement.run(params);
    return std::move(statement).release();
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
    const qlonglong version = scalar(QStringLiteral("PRAGMA schema_version")).toLongLong();
    if (version != schemaVersion_) {
        for (const auto &table : std::as_const(tables_))
            replaced_.append(table);
        tables_.clear();
        schemaVersion_ = version;
    }
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

Statement::Statement(Database &db, const QString &sql) : query_(db.connection())
{
    query_.setForwardOnly(true);
    if (!query_.prepare(sql))
        throw DbError(errorText(query_.lastError()));
}

QSqlQuery &Statement::run(const QVariantList &params)
{
    for (int i = 0; i < params.size(); ++i)
        query_.bindValue(i, params.at(i));
    if (!query_.exec())
        throw DbError(errorText(query_.lastError()));
    return query_;
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
