#pragma once

#include <QString>

namespace quillory {

constexpr char kDatabaseFileName[] = "Quillory.mdb";
constexpr char kHelpFileName[] = "Quillory.HLP";

// Where the program reads and keeps its files.
struct ProgramFolders {
    QString database; // holds the database file; read and written
    QString help;     // holds the help file; only read
    QString problem;  // why the shipped database could not be put in place, when it could not
};

// The folder of an installed copy's shipped files, found from the executable's folder so that
// an installed tree still works when unpacked under another root.
QString installedDataFolder(const QString &exeDir);

// A copy with a database file beside its executable (as in the build folder) uses the files
// there. An installed copy cannot write its own folders: it reads the help file from the
// installed data folder and keeps the database in the user's data folder, where the shipped
// database is copied when none is there yet. A file already there is never replaced, so a
// newer package never overwrites the user's data.
ProgramFolders resolveProgramFolders(const QString &exeDir, const QString &installedDataDir,
                                     const QString &userDataDir);

// resolveProgramFolders for this process: its executable and the user's data folder. A problem
// is written to the log; opening the database reports the missing file to the user later.
ProgramFolders locateProgramFolders();

} // namespace quillory
