// Start-up to the visible main window (the splash tick and the disclaimer answered at once)
// against a bare Qt main window with a menu bar and status bar, in the same build.
#include "BenchData.h"

#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/Splash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

using namespace quillory;

namespace {

void agreeToDisclaimer()
{
    QTimer::singleShot(0, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (auto *agree = modal->findChild<QAbstractButton *>(QStringLiteral("Command1_0")))
                agree->click();
    });
}

double startOnce(const QString &folder)
{
    AppState state;
    state.programFolder = folder;
    QtDialogs dialogs;
    QtHelpViewer help;
    AppContext ctx{state, dialogs, help};
    std::unique_ptr<MDIForm1> window;
    return bench::millisecondsOf([&] {
        Splash splash(state, [&] {
            window = std::make_unique<MDIForm1>(ctx);
            agreeToDisclaimer();
            window->load([&] { splash.hide(); });
        });
        splash.show();
        splash.Timer1_Timer();
        QApplication::processEvents();
    });
}

double bareOnce()
{
    std::unique_ptr<QMainWindow> window;
    return bench::millisecondsOf([&] {
        window = std::make_unique<QMainWindow>();
        window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        window->statusBar()->showMessage(QStringLiteral("Ready"));
        window->show();
        QApplication::processEvents();
    });
}

void BM_StartupToMainWindow(benchmark::State &state)
{
    bench::BenchFolder folder;
    {
        Database db;
        db.open(folder.databasePath());
        bench::generateW2s(db, 10, 100, 7);
    }
    bench::againstLimit(
        state, [&] { startOnce(folder.folder()); }, [] { bareOnce(); });
}
BENCHMARK(BM_StartupToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
