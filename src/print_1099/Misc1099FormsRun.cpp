#include "print_1099/Misc1099FormsRun.h"

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
    // Marks, the FATCA filing requirement (tax years from 2025) among them.
    if (column.index == kCorrected || column.index == kSecondTin || column.index == kBox9 ||
        column.column.kind == ColumnKind::Flag)
        return PrintedValue{column.value.toLongLong() != 0 ? QStringLiteral("x") : QStringLiteral(" "), false};
    return AmountByJustify(column);
}

const TwoUpForm &Misc1099Form()
{
    static const TwoUpForm form{QStringLiteral("1099-MISC"),
                                QStringLiteral("1099Misc"),
                                QStringLiteral("Counter"),
                                QStringLiteral("1099-MISC"),
                                QStringLiteral("FedIDNo"),
                                Misc1099ColumnRule,
                                QString()};
    return form;
}

void Print1099Forms(Database &db, Printer &printer, const QString &paperKind, const QVector<qlonglong> &counters)
{
    PrintTwoUp(db, printer, paperKind, Misc1099Form(), counters);
}

} // namespace quillory
