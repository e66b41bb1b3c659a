#include "data/ProgramFolders.h"
#include "efile/EfileSubmitterDialog.h"
#include "efile/TaxYearDialog.h"
#include "filers/EmployerList.h"
#include "filers/FilerInfo.h"
#include "misc1099/Misc1099Screen.h"
#include "misc1099/Nec1099Screen.h"
#include "print_1099/PrtSel1099.h"
#include "print_w2/PrtSelW2.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/Splash.h"
#include "w2/W2Screen.h"

#include <QApplication>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillory.Quillory"));

    quillory::AppState state;
    const quillory::ProgramFolders folders = quillory::locateProgramFolders();
    state.programFolder = folders.database;
    state.helpFolder = folders.help;
    quillory::QtDialogs dialogs;
    quillory::QtHelpViewer help;
    quillory::AppContext ctx{state, dialogs, help};

    std::unique_ptr<quillory::MDIForm1> mainWindow;
    std::unique_ptr<quillory::Splash> splash;
    splash = std::make_unique<quillory::Splash>(state, [&] {
        mainWindow = std::make_unique<quillory::MDIForm1>(ctx);
        dialogs.setParent(mainWindow.get());
        help.setOwner(mainWindow.get());
        ctx.statusText = [w = mainWindow.get()](const QString &text) { w->setStatusText(text); };
        quillory::ScreenOpeners openers;
        openers.filerInfo = &quillory::FilerInfo::open;
        openers.employerList = &quillory::frmEmployerList::open;
        openers.w2 = &quillory::W2::open;
        openers.misc1099 = &quillory::Misc1099::open;
        openers.nec1099 = &quillory::Nec1099::open;
        openers.prtSelW2 = &quillory::PrtSelW2::open;
        openers.prtSel1099 = &quillory::PrtSel1099::open;
        openers.efileSubmitter = &quillory::EfileSubmitterDialog::open;
        openers.taxYear = &quillory::TaxYearDialog::open;
        mainWindow->setScreenOpeners(std::move(openers));
        if (!mainWindow->load([&] { splash->hide(); }))
            QCoreApplication::exit(0);
    });
    splash->show();
    const int rc = app.exec();
    mainWindow.reset();
    return rc;
}
