#include "data/Database.h"
#include "data/DbError.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace quillory;

namespace {

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

} // namespace

TEST(DatabaseOpen, AMissingFileIsAnErrorAndNothingIsCreated)
{
    test::TestFolder folder;
    const QString path = folder.folder() + "/Missing.mdb";
    const std::string error = openError(path);
    EXPECT_NE(error.find("Could not find file"), std::string::npos) << error;
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DatabaseOpen, AFolderOrRandomBytesAreRefusedWithTheEnginesText)
{
    test::TestFolder folder;
    QDir(folder.folder()).mkdir("Folder.mdb");
    EXPECT_NE(openError(folder.folder() + "/Folder.mdb").find("folder"), std::string::npos);

    const QString junk = folder.folder() + "/Junk.mdb";
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    const std::string error = openError(junk);
    EXPECT_NE(error.find("not a database"), std::string::npos) << error;
    EXPECT_EQ(QFileInfo(junk).size(), 4096);
}

TEST(DatabaseOpen, AReadOnlyFileIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    test::TestFolder folder;
    QFile::setPermissions(folder.databasePath(), QFile::ReadOwner);
    EXPECT_NE(openError(folder.databasePath()).find("readonly"), std::string::npos);
}

TEST(DatabaseOpen, AFileLockedByAnotherWriterIsReportedAndOpensOnceFreed)
{
    test::TestFolder folder;
    Database other;
    other.open(folder.databasePath());
    other.exec("BEGIN EXCLUSIVE");
    EXPECT_NE(openError(folder.databasePath()).find("locked"), std::string::npos);
    other.exec("ROLLBACK");
    Database db;
    EXPECT_NO_THROW(db.open(folder.databasePath()));
}

TEST(DatabaseOpen, QuotesAndAccentsInValuesAreBoundNotJoined)
{
    test::TestFolder folder;
    Database db;
    db.open(folder.databasePath());
    const QString name = QString::fromUtf8("O'BRIEN \"Zoë\"; DROP TABLE W2; --");
    db.exec("INSERT INTO FilerInfo (FedIDNo, PayerName) VALUES (?, ?)", {"12-3456789", name});
    EXPECT_EQ(db.scalar("SELECT PayerName FROM FilerInfo WHERE PayerName = ?", {name}).toString(), name);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM W2").toInt(), 0);
}
