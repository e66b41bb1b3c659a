#include "print_1099/Misc1099FormsRun.h"

#include "data/Address.h"
#include "data/Database.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"
#include "data/Settings.h"

namespace quillory {

namespace {

// Positions in the 1099Misc table's column order that print specially.
constexpr int kCorrected = 1;
constexpr int kPayerNumber = 6;
constexpr int kSecondTin = 13;
constexpr int kBox9 = 22;

} // namespace

namespace {

// Box 9 is a position of 1099Misc only; in 1099Nec the same position is an amount.
std::optional<PrintedValue> ReturnColumnRule(const ColumnValue &column, bool box9Mark)
{
    if (column.value.isNull())
        return std::nullopt;
    if (column.index == kPayerNumber && column.text.startsWith(QLatin1String("AF")))
        return PrintedValue{QStringLiteral("Applied For"), false};
    // Marks, the FATCA filing requirement (tax years from 2025) among them.
    if (column.index == kCorrected || column.index == kSecondTin || (box9Mark && column.index == kBox9) ||
        column.column.kind == ColumnKind::Flag)
        return PrintedValue{column.value.toLongLong() != 0 ? QStringLiteral("x") : QStringLiteral(" "), false};
    return AmountByJustify(column);
}

std::optional<PrintedValue> Nec1099ColumnRule(const ColumnValue &column)
{
    return ReturnColumnRule(column, false);
}

} // namespace

std::optional<PrintedValue> Misc1099ColumnRule(const ColumnValue &column)
{
    return ReturnColumnRule(column, true);
}

QVector<DerivedValue> Form1099Values(Database &db, const RecordSet &row)
{
    const AddressBoxes payer = addressBoxes({row.text(QStringLiteral("PayerL1")), row.text(QStringLiteral("PayerL2")),
                                             row.text(QStringLiteral("PayerL3"))});
    const AddressBoxes recipient = addressBoxes({row.text(QStringLiteral("RecCityStZip"))});
    const QString phone = filerTable::phone(db, row.value(QStringLiteral("Tfid")));
    return {{QStringLiteral("PayerSuite"), payer.suite}, {QStringLiteral("PayerStreet"), payer.street},
            {QStringLiteral("PayerCity"), payer.city},   {QStringLiteral("PayerState"), payer.state},
            {QStringLiteral("PayerZip"), payer.zip},     {QStringLiteral("PayerPhone"), phone},
            {QStringLiteral("RecCity"), recipient.city}, {QStringLiteral("RecState"), recipient.state},
            {QStringLiteral("RecZip"), recipient.zip},   {QStringLiteral("TaxYear"), Settings::read(db).year}};
}

const TwoUpForm &Misc1099TwoUpForm()
{
    static const TwoUpForm form{QStringLiteral("1099-MISC"), QStringLiteral("1099Misc"),
                                QStringLiteral("Counter"),   QStringLiteral("1099-MISC"),
                                QStringLiteral("FedIDNo"),   Misc1099ColumnRule,
                                QStringLiteral("1099-MISC"), Form1099Values};
    return form;
}

const TwoUpForm &Nec1099TwoUpForm()
{
    static const TwoUpForm form{
        QStringLiteral("NEC-2026"), QStringLiteral("1099Nec"), QStringLiteral("Counter"),  QStringLiteral("1099-NEC"),
        QStringLiteral("FedIDNo"),  Nec1099ColumnRule,         QStringLiteral("1099-NEC"), Form1099Values};
    return form;
}

void Print1099Forms(Database &db, Printer &printer, const QString &paperKind, const QVector<qlonglong> &counters,
                    const TwoUpForm &form)
{
    PrintTwoUp(db, printer, paperKind, form, counters);
}

} // namespace quillory
