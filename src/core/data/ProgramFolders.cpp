#include "data/ProgramFolders.h"

#include "InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>

namespace quillory {

namespace {

QString inFolder(const QString &folder, const char *name)
{
    return folder + QLatin1Char('/') + QLatin1String(name);
}

// Copies the shipped database into the user's folder unless one is already there. QFile::copy
// writes a temporary file and renames it, so no half-copied file is ever left under the name.
QString provideDatabase(const QString &shipped, const QString &userDataDir)
{
    const QString target = inFolder(userDataDir, kDatabaseFileName);
    if (QFileInfo::exists(target))
        return {};
    if (!QDir().mkpath(userDataDir))
        return QStringLiteral("Could not make the folder '%1'.").arg(QDir::toNativeSeparators(userDataDir));
    QFile source(shipped);
    if (!source.copy(target)) {
        // Another copy of the program may have put it there in the meantime.
        if (QFileInfo::exists(target))
            return {};
        return QStringLiteral("Could not copy '%1' to '%2': %3")
            .arg(QDir::toNativeSeparators(shipped), QDir::toNativeSeparators(target), source.errorString());
    }
    // The file will hold social security numbers: for its owner's eyes only.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return {};
}

} // namespace

QString installedDataFolder(const QString &exeDir)
{
    return QDir::cleanPath(exeDir + QLatin1Char('/') + QLatin1String(kInstalledDataFromBin));
}

ProgramFolders resolveProgramFolders(const QString &exeDir, const QString &installedDataDir, const QString &userDataDir)
{
    const QString shipped = inFolder(installedDataDir, kDatabaseFileName);
    if (QFileInfo::exists(inFolder(exeDir, kDatabaseFileName)) || !QFileInfo::exists(shipped))
        return {exeDir, exeDir, {}};
    return {userDataDir, installedDataDir, provideDatabase(shipped, userDataDir)};
}

ProgramFolders locateProgramFolders()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    ProgramFolders folders = resolveProgramFolders(exeDir, installedDataFolder(exeDir),
                                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!folders.problem.isEmpty())
        qWarning().noquote() << folders.problem;
    return folders;
}

} // namespace quillory
