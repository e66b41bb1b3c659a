// Opening the W-2 screen on an employer with 10,000 W-2s and moving through 1,000 of them,
// against reading the same rows with one query.
#include "BenchData.h"

#include "data/Database.h"
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/HelpWindow.h"
#include "w2/W2Screen.h"

#include <QApplication>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>

using namespace quillory;

namespace {

struct Fixture {
    bench::BenchFolder folder;
    AppState state;
    QtDialogs dialogs;
    QtHelpViewer help;
    AppContext ctx{state, dialogs, help};
    FilerKey employer;

    explicit Fixture(int w2s)
    {
        state.gAppTitle = QStringLiteral("Quillory");
        state.programFolder = folder.folder();
        state.gDatabase.open(folder.databasePath());
        bench::generateW2s(state.gDatabase, 1, w2s, 2001);
        employer.tfid = state.gDatabase.scalar(QStringLiteral("SELECT min(Tfid) FROM FilerInfo")).toInt();
        employer.fedIdNo = state.gDatabase.scalar(QStringLiteral("SELECT FedIDNo FROM FilerInfo")).toString();
    }
};

void readRows(Database &db, int tfid)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM W2 WHERE Tfid = ?"), {tfid});
    while (q.next())
        benchmark::DoNotOptimize(q.value(0));
}

void BM_W2ScreenOpen(benchmark::State &state)
{
    Fixture f(static_cast<int>(state.range(0)));
    std::unique_ptr<W2> screen;
    bench::againstLimit(
        state,
        [&] {
            screen = std::make_unique<W2>(f.ctx, f.employer);
            screen->load();
            QApplication::processEvents();
        },
        [&] { readRows(f.state.gDatabase, f.employer.tfid); });
}
BENCHMARK(BM_W2ScreenOpen)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_W2ScreenMove(benchmark::State &state)
{
    Fixture f(10000);
    W2 screen(f.ctx, f.employer);
    screen.load();
    const int moves = static_cast<int>(state.range(0));
    double total = 0;
    for (auto _ : state) {
        const double ms = bench::millisecondsOf([&] {
            for (int i = 0; i < moves; ++i)
                screen.cmdMove_Click(1);
            QApplication::processEvents();
        });
        total += ms;
        state.SetIterationTime(ms / 1000.0);
        for (int i = 0; i < moves; ++i)
            screen.cmdMove_Click(0);
    }
    state.counters["ms_per_move"] = total / state.iterations() / moves;
}
BENCHMARK(BM_W2ScreenMove)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
