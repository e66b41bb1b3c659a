#include "data/Database.h"
#include "FaultHelperProcess.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillory;
using quillory::test::FaultHelperProcess;

namespace {

int fileMode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Every entry under a folder with its mode and a hash of its content. The engine's shared-memory index
// is only listed: a reader may mark it without changing any data.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray content = QByteArray::number(fileMode(path), 8) + " -";
        QFile file(path);
        if (!path.endsWith("-shm") && QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
            content += QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        entries.insert(path, content);
    }
    return entries;
}

std::string openError(const QString &path)
{
    Database db;
    try {
        db.open(path);
    } catch (const DbError &e) {
        EXPECT_FALSE(db.isOpen());
        return e.what();
    }
    return {};
}

// The open is refused with a message that names the file and the cause, and nothing in the
// folder is created, removed or changed.
void expectRefused(const test::TestFolder &folder, const QString &path, const std::string &cause,
                   const std::function<std::string(const QString &)> &open = openError)
{
    const auto before = snapshot(folder.folder());
    const std::string error = open(path);
    EXPECT_NE(error.find(cause), std::string::npos) << error;
    EXPECT_NE(error.find(path.toStdString()), std::string::npos) << error;
    EXPECT_EQ(snapshot(folder.folder()), before);
}

void expectOpens(const QString &path)
{
    Database db;
    EXPECT_NO_THROW(db.open(path));
    EXPECT_TRUE(db.isOpen());
}

void putDatabase(const test::TestFolder &folder, const QString &path)
{
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(folder.databasePath(), path));
}

} // namespace

TEST(DatabaseOpen, AMissingFileIsReportedNothingIsCreatedAndItOpensOnceThere)
{
    test::TestFolder folder;
    const QString path = folder.folder() + "/Missing.mdb";
    expectRefused(folder, path, "Could not find file");
    EXPECT_FALSE(QFile::exists(path));
    putDatabase(folder, path);
    expectOpens(path);
}

TEST(DatabaseOpen, AnEmptyFileJunkOrAFolderIsRefusedUnchanged)
{
    test::TestFolder folder;
    const QString junk = folder.folder() + "/Junk.mdb";
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    expectRefused(folder, junk, "not a database");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    expectRefused(folder, junk, "holds no tables");
    // A folder in place of the file is left alone, whatever it holds.
    QFile::remove(junk);
    QDir(folder.folder()).mkpath("Junk.mdb/kept");
    expectRefused(folder, junk, "is a folder");
    QDir(junk).removeRecursively();
    putDatabase(folder, junk);
    expectOpens(junk);
}

TEST(DatabaseOpen, AReadOnlyFileIsRefusedUnchangedAndOpensOnceWritable)
{
    test::TestFolder folder;
    QFile::setPermissions(folder.databasePath(), QFile::ReadOwner);
    if (geteuid() == 0) {
        // File modes bind the superuser only inside a user namespace of its own.
        FaultHelperProcess probe({"open", folder.databasePath(), "--unprivileged"});
        const QString line = probe.nextLine();
        if (probe.finish() == 3)
            GTEST_SKIP() << "file permissions do not bind the superuser here: " << line.toStdString();
        expectRefused(folder, folder.databasePath(), "read-only", [](const QString &path) {
            FaultHelperProcess helper({"open", path, "--unprivileged"});
            return helper.nextLine().toStdString();
        });
    } else {
        expectRefused(folder, folder.databasePath(), "read-only");
    }
    QFile::setPermissions(folder.databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    expectOpens(folder.databasePath());
}

TEST(DatabaseOpen, AFileLockedByAnotherProgramIsReportedAndOpensOnceFreed)
{
    test::TestFolder folder;
    FaultHelperProcess holder({"hold", folder.databasePath()});
    ASSERT_EQ(holder.nextLine(), "held");
    expectRefused(folder, folder.databasePath(), "locked");
    EXPECT_EQ(holder.finish(), 0);
    expectOpens(folder.databasePath());
}

TEST(DatabaseOpen, RecordDataStaysInFilesOnlyTheirOwnerCanRead)
{
    EXPECT_EQ(fileMode(QUILLORY_SHIPPED_DB), 0600);

    test::TestFolder folder;
    const QString path = folder.databasePath();
    ::chmod(QFile::encodeName(path).constData(), 0644);
    // An empty write-ahead log left by a program that ended early.
    QFile wal(path + "-wal");
    ASSERT_TRUE(wal.open(QIODevice::WriteOnly));
    wal.close();
    ::chmod(QFile::encodeName(wal.fileName()).constData(), 0666);
    {
        Database db;
        db.open(path);
        db.exec("INSERT INTO FilerInfo (FedIDNo) VALUES ('12-3456789')");
        for (const QString &file : {path, path + "-wal", path + "-shm"})
            EXPECT_EQ(fileMode(file), 0600) << file.toStdString();
        // Sorts and statement journals never spill record values into temporary files.
        EXPECT_EQ(db.scalar("PRAGMA temp_store").toInt(), 2);
    }
    // A file its owner made read-only stays read-only; refused, it keeps its mode.
    ::chmod(QFile::encodeName(path).constData(), 0444);
    EXPECT_EQ(fileMode(path), openError(path).empty() ? 0400 : 0444);
}
