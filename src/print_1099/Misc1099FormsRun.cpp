#include "print_1099/Misc1099FormsRun.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "printing/TwoUpRun.h"

namespace quillory {

namespace {

// Positions in the 1099Misc table's column order that print specially.
constexpr int kCorrected = 1;
constexpr int kPayerNumber = 6;
constexpr int kSecondTin = 13;
constexpr int kBox9 = 22;

} // namespace

std::optional<PrintedValue> Misc1099ColumnRule(const ColumnValue &column)
{
    if (column.value.isNull())
        return std::nullopt;
    if (column.index == kPayerNumber && column.text.startsWith(QLatin1String("AF")))
        return PrintedValue{QStringLiteral("Applied For"), false};
    if (column.index == kCorrected || column.index == kSecondTin || column.index == kBox9)
        return PrintedValue{column.value.toLongLong() != 0 ? QStringLiteral("x") : QStringLiteral(" "), false};
    return AmountByJustify(column);
}

RecordSet Find1099(Database &db, qlonglong counter)
{
    RecordSet row = RecordSet::table(db, QStringLiteral("1099Misc"), QStringLiteral("Counter = ?"), {counter});
    if (row.eof())
        throw DbError(QStringLiteral("The 1099-MISC record %1 no longer exists.").arg(counter));
    return row;
}

void Print1099Forms(Database &db, Printer &printer, const QString &paperKind, const QVector<qlonglong> &counters)
{
    TwoUpRun run(db, printer, paperKind, QStringLiteral("1099-MISC"), Misc1099ColumnRule);
    run.start();
    for (qlonglong counter : counters) {
        run.printForm(Find1099(db, counter));
        run.nextSlot();
    }
    run.finish();
}

} // namespace quillory
