// The W-3 and 1096 rebuilds against the closest limit: one grouped query with the same sums
// over the same table, measured in the same run on the same data.
#include "BenchData.h"

#include "data/Database.h"
#include "print_1099/Summary1096.h"
#include "print_w2/W3Summary.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

using namespace quillory;

namespace {

void stepThrough(Database &db, const char *sql)
{
    QSqlQuery q = db.exec(QString::fromLatin1(sql));
    while (q.next())
        benchmark::DoNotOptimize(q.value(0));
}

void BM_W3Rebuild(benchmark::State &state)
{
    bench::BenchFolder folder;
    Database db;
    db.open(folder.databasePath());
    bench::generateW2s(db, 1000, static_cast<int>(state.range(0)), 2001);
    bench::againstLimit(
        state, [&] { buildW3Summaries(db); },
        [&] {
            stepThrough(db, "SELECT Boxb, FilerType, EstNo, count(*), sum(Box1), sum(Box2), sum(Box3), sum(Box4), "
                            "sum(Box5), sum(Box6), sum(Box7), sum(Box8), sum(Box9), sum(Box10), sum(Box11), "
                            "sum(Box12a_Amt + Box12b_Amt + Box12c_Amt + Box12d_Amt), sum(SickPay), "
                            "sum(Box16_L1 + Box16_L2), sum(Box17_L1 + Box17_L2), sum(Box18_L1 + Box18_L2), "
                            "sum(Box19_L1 + Box19_L2) FROM W2 GROUP BY Boxb, FilerType, EstNo");
        });
}
BENCHMARK(BM_W3Rebuild)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_1096Rebuild(benchmark::State &state)
{
    bench::BenchFolder folder;
    Database db;
    db.open(folder.databasePath());
    bench::generate1099s(db, 1000, static_cast<int>(state.range(0)), 2001);
    bench::againstLimit(
        state, [&] { build1096Summaries(db); },
        [&] {
            stepThrough(db, "SELECT FedIDNo, count(*), sum(Box4), sum(Box1 + Box2 + Box3 + Box5 + Box6 + Box7 + "
                            "Box8 + Box10 + Box13 + Box14) FROM \"1099Misc\" GROUP BY FedIDNo");
        });
}
BENCHMARK(BM_1096Rebuild)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
