#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace quillory {

class Database;
class RecordSet;

// One of a payer's two states: the state's code and the payer's number there.
struct StateSlot {
    QString code;
    QString id;
};

// The payer as its 1099-MISC screen shows it: name and address lines and its two states.
struct PayerDetails {
    std::array<QString, 4> labels; // PayerName, PayerL1, PayerL2, PayerL3
    std::array<StateSlot, 2> states;

    // The states a recipient's state line can name, in slot order; blank codes are left out.
    QVector<StateSlot> stateChoices() const;
    // The payer's number in the state with this code (any letter case); none when the payer
    // does not report to that state.
    std::optional<QString> stateNumber(const QString &code) const;
};

// Reads the first filer with this identification number (Null read as empty text); throws
// DbError when there is none.
PayerDetails readPayerDetails(Database &db, const QString &fedIdNo);

// What every stored 1099-MISC repeats of its payer; refreshed at each save, so a corrected
// payer address reaches the forms when they are next saved.
struct PayerCopy {
    QString fedIdNo;
    QString estNo;
    QString filerType;
    int tfid = 0;
    std::array<QString, 4> labels;
};
void writePayerColumns(RecordSet &record, const PayerCopy &payer);

// The one check before a 1099-MISC is stored: the message that refuses it, or empty text
// when it may be stored. A name line of blanks counts as entered.
QString recipientNameProblem(const QString &firstNameLine);

} // namespace quillory
