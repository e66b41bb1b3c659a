#include "print_1099/Misc1099FormsRun.h"

#include "data/Address.h"
#include "data/Database.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"
#include "data/Settings.h"

namespace quillory {

std::optional<PrintedValue> Return1099ColumnRule(const ColumnValue &column)
{
    if (column.value.isNull())
        return std::nullopt;
    if (column.column.name.compare(QLatin1String("FedIDNo"), Qt::CaseInsensitive) == 0 &&
        column.text.startsWith(QLatin1String("AF")))
        return PrintedValue{QStringLiteral("Applied For"), false};
    if (column.column.kind == ColumnKind::Flag)
        return PrintedValue{column.value.toLongLong() != 0 ? QStringLiteral("x") : QStringLiteral(" "), false};
    return AmountByJustify(column);
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
                                QStringLiteral("FedIDNo"),   Return1099ColumnRule,
                                QStringLiteral("1099-MISC"), Form1099Values};
    return form;
}

const TwoUpForm &Nec1099TwoUpForm()
{
    static const TwoUpForm form{
        QStringLiteral("NEC-2026"), QStringLiteral("1099Nec"), QStringLiteral("Counter"),  QStringLiteral("1099-NEC"),
        QStringLiteral("FedIDNo"),  Return1099ColumnRule,      QStringLiteral("1099-NEC"), Form1099Values};
    return form;
}

} // namespace quillory
