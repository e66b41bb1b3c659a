#pragma once

#include "data/Database.h"
#include "data/FilerTable.h"
#include "data/ProgramFolders.h"

#include <QString>

namespace quillory {

// The program-wide state: made once by the application and handed to every screen.
struct AppState {
    QString gAppTitle;
    QString gDatabasePath;
    Database gDatabase;
    // The filer chosen last: the menus start from it, so a value they do not set (the
    // establishment number of a sole filer) keeps what the last choice gave it. The employer list
    // and the filer screen choose; the entry and print screens are handed their filer when they
    // open and never read this.
    FilerKey chosenFiler;
    // W-2 switches: edits on at every start; auto-numbering mirrors Settings.W2AutoNo.
    bool gW2EditsOn = true;
    bool gW2AutoNumber = false;

    // The folder that holds the database file, the help file's folder when it is another one
    // (an installed copy), and the help file's path.
    QString programFolder;
    QString helpFolder;
    QString helpFile;

    QString databaseFile() const { return programFolder + QLatin1Char('/') + QLatin1String(kDatabaseFileName); }
    QString helpFilePath() const
    {
        return (helpFolder.isEmpty() ? programFolder : helpFolder) + QLatin1Char('/') + QLatin1String(kHelpFileName);
    }
};

} // namespace quillory
