#include "data/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quillory;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section('/', 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An installed tree and a home folder: bin/ for the program, share/quillory/ for the shipped
// files, home/data/ for the user's own folder (not made yet).
struct Layout {
    QTemporaryDir root;
    QString bin = root.path() + "/bin";
    QString shipped = root.path() + "/share/quillory";
    QString user = root.path() + "/home/data";

    Layout()
    {
        QDir().mkpath(bin);
        writeFile(shipped + "/Quillory.mdb", "shipped database");
        writeFile(shipped + "/Quillory.HLP", "shipped help");
    }
    ProgramFolders resolve() const { return resolveProgramFolders(bin, shipped, user); }
};

} // namespace

TEST(ProgramFolders, ACopyWithItsDatabaseBesideTheExecutableUsesTheFilesThere)
{
    Layout layout;
    writeFile(layout.bin + "/Quillory.mdb", "build database");
    const ProgramFolders folders = layout.resolve();
    EXPECT_EQ(folders.database, layout.bin);
    EXPECT_EQ(folders.help, layout.bin);
    EXPECT_TRUE(folders.problem.isEmpty());
    EXPECT_FALSE(QDir(layout.user).exists()) << "nothing is copied for a build-folder copy";
}

TEST(ProgramFolders, AnInstalledCopyGetsItsOwnPrivateDatabaseOnFirstStart)
{
    Layout layout;
    const ProgramFolders folders = layout.resolve();
    EXPECT_EQ(folders.database, layout.user);
    EXPECT_EQ(folders.help, layout.shipped) << "help is read where it was installed, not copied";
    EXPECT_TRUE(folders.problem.isEmpty()) << qPrintable(folders.problem);

    const QString copy = layout.user + "/Quillory.mdb";
    EXPECT_EQ(readFile(copy), "shipped database");
    EXPECT_EQ(QFile::permissions(copy) & 0x0077, 0) << "no one but its owner may read the copy";
    EXPECT_TRUE(QFile::permissions(copy) & QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(layout.user + "/Quillory.HLP"));
    EXPECT_EQ(QDir(layout.user).entryList(QDir::Files), QStringList{"Quillory.mdb"}) << "no temporary file is left";
}

TEST(ProgramFolders, TheUsersDatabaseIsNeverReplacedByANewerShippedOne)
{
    Layout layout;
    layout.resolve();
    const QString copy = layout.user + "/Quillory.mdb";
    writeFile(copy, "the user's filers and W-2s");
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    // An upgrade brings a newer shipped database.
    QFile::remove(layout.shipped + "/Quillory.mdb");
    writeFile(layout.shipped + "/Quillory.mdb", "next year's shipped database");

    const ProgramFolders folders = layout.resolve();
    EXPECT_EQ(folders.database, layout.user);
    EXPECT_TRUE(folders.problem.isEmpty());
    EXPECT_EQ(readFile(copy), "the user's filers and W-2s");
    EXPECT_TRUE(QFile::permissions(copy) & QFile::ReadGroup) << "the user's own choice of permissions stays";
}

TEST(ProgramFolders, AUserFolderThatCannotBeMadeIsReportedAndNothingIsCopied)
{
    Layout layout;
    writeFile(layout.root.path() + "/home", "a file where the folder should be");
    const ProgramFolders folders = layout.resolve();
    EXPECT_EQ(folders.database, layout.user) << "the open reports the missing file in the user's folder";
    EXPECT_TRUE(folders.problem.contains(layout.user)) << qPrintable(folders.problem);
    EXPECT_FALSE(QFile::exists(layout.user + "/Quillory.mdb"));
}
