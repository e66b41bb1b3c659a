#include "misc1099/Misc1099Rules.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"

#include <QSqlQuery>

namespace quillory {

QVector<StateSlot> PayerDetails::stateChoices() const
{
    QVector<StateSlot> choices;
    for (const StateSlot &slot : states)
        if (!slot.code.trimmed().isEmpty())
            choices.append(slot);
    return choices;
}

std::optional<QString> PayerDetails::stateNumber(const QString &code) const
{
    for (const StateSlot &slot : stateChoices())
        if (slot.code.trimmed().compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return slot.id;
    return std::nullopt;
}

PayerDetails readPayerDetails(Database &db, const QString &fedIdNo)
{
    RecordSet filer = filerTable::firstWithIdNumber(db, fedIdNo);
    if (filer.eof())
        throw DbError(QObject::tr("No tax payer with the identification number \"%1\" was found.").arg(fedIdNo));
    PayerDetails payer;
    const char *const labelColumns[4] = {"PayerName", "PayerL1", "PayerL2", "PayerL3"};
    for (int i = 0; i < 4; ++i)
        payer.labels[i] = filer.text(QString::fromLatin1(labelColumns[i]));
    payer.states[0] = {filer.text(QStringLiteral("State1")), filer.text(QStringLiteral("State1ID"))};
    payer.states[1] = {filer.text(QStringLiteral("State2")), filer.text(QStringLiteral("State2ID"))};
    return payer;
}

void writePayerColumns(RecordSet &record, const PayerCopy &payer)
{
    record.setText(QStringLiteral("FedIDNo"), payer.fedIdNo);
    const char *const labelColumns[4] = {"PayerName", "PayerL1", "PayerL2", "PayerL3"};
    for (int i = 0; i < 4; ++i)
        record.setText(QString::fromLatin1(labelColumns[i]), payer.labels[i]);
    record.setText(QStringLiteral("EstNo"), payer.estNo);
    record.setText(QStringLiteral("FilerType"), payer.filerType);
    record.setValue(QStringLiteral("Tfid"), payer.tfid);
}

QString recipientNameProblem(const QString &firstNameLine)
{
    if (firstNameLine.isEmpty())
        return QStringLiteral("Recipient Name must be entered");
    return {};
}

} // namespace quillory
