#pragma once

#include <QString>
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

} // namespace quillory::bench

#include <QElapsedTimer>

template <typename F> double quillory::bench::millisecondsOf(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}
