#pragma once

#include "efile/FixedRecord.h"

namespace quillory::efile {

// The information-return file for the IRS (Publication 1220): 750-character records.
namespace pub1220 {

// The tax years whose Publication 1220 edition these layouts follow.
constexpr int kFirstYear = 2023;
constexpr int kLastYear = 2025;

const RecordLayout &T();                            // transmitter
const RecordLayout &A();                            // payer
const RecordLayout &B(const QString &typeOfReturn); // payee, with the form's own positions 544-750
const RecordLayout &C();                            // end of payer: totals of its B records
const RecordLayout &F();                            // end of transmission

// A form's type-of-return code and the payment amount codes of its boxes.
struct AmountCode {
    char code;        // '1'..'9', 'A'..'H', 'J'
    const char *box;  // the 1099Misc column it comes from
    int lastYear = 0; // the last tax year the form has the box, 0 while it still has it

    bool usedIn(int taxYear) const { return lastYear == 0 || taxYear <= lastYear; }
};
struct ReturnKind {
    const char *typeOfReturn; // "A" 1099-MISC, "NE" 1099-NEC
    const char *formName;
    std::vector<AmountCode> amounts;
};
const ReturnKind &misc();
const ReturnKind &nec();
// Why a 1099Misc column with an amount cannot be written for the tax year, or empty when it can.
QString unwritableBox(const char *box, int taxYear);

// The field names of a payment amount code in the B record ("Amount 1") and the C record
// ("Total 1").
QByteArray amountField(char code);
QByteArray totalField(char code);
// All payment amount codes in the order of their fields.
const QByteArray &amountCodes();

} // namespace pub1220
} // namespace quillory::efile
