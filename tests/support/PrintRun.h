#pragma once

#include "printing/TwoUpRun.h"

namespace quillory::test {

// A two-up run as the print screens make it, each step run in turn; the first failure ends it.
inline void PrintTwoUp(Database &db, Printer &printer, const QString &paperKind, const TwoUpForm &form,
                       const QVector<qlonglong> &keys)
{
    TwoUpRun run(db, printer, paperKind, form, keys.size());
    for (const auto &step : TwoUpSteps(run, db, form, keys))
        step();
}

} // namespace quillory::test
