#pragma once

#include <QString>
#include <benchmark/benchmark.h>
#include <QTemporaryDir>
#include <cstdint>

namespace quillory {
class Database;
}

namespace quillory::bench {

// A program folder with a fresh copy of the shipped database, for one benchmark.
class BenchFolder {
public:
    BenchFolder();
    QString databasePath() const { return dir_.path() + QStringLiteral("/Quillory.mdb"); }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// Adds `employers` filers with `w2s` W-2s spread over them: names, addresses, amounts that
// agree with the year's rates, box 12 codes and states, the same for the same seed.
void generateW2s(Database &db, int employers, int w2s, uint32_t seed);
// Adds `payers` filers with `forms` 1099-MISCs spread over them.
void generate1099s(Database &db, int payers, int forms, uint32_t seed);

// Milliseconds of wall time a function takes.
template <typename F> double millisecondsOf(F &&f);

// Times ours and the limit once per iteration, ours as the benchmark's time, and reports
// both averages and their ratio as counters.
template <typename Ours, typename Limit> void againstLimit(benchmark::State &state, Ours ours, Limit limit);

} // namespace quillory::bench

#include <QElapsedTimer>

template <typename F> double quillory::bench::millisecondsOf(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

template <typename Ours, typename Limit>
void quillory::bench::againstLimit(benchmark::State &state, Ours ours, Limit limit)
{
    double oursTotal = 0, limitTotal = 0;
    for (auto _ : state) {
        const double ms = millisecondsOf(ours);
        limitTotal += millisecondsOf(limit);
        oursTotal += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = oursTotal / n;
    state.counters["limit_ms"] = limitTotal / n;
    state.counters["ratio"] = oursTotal / limitTotal;
}
