#pragma once

#include "efile/FixedRecord.h"

namespace quillory::efile {

// The W-2 wage file for the Social Security Administration (EFW2): 512-character records.
namespace efw2 {

// The tax years the file is written for: 2023 to 2025 from their EFW2 editions, 2026 with the
// layout of the tax year 2025 edition (see Efw2Layout.cpp).
constexpr int kFirstYear = 2023;
constexpr int kLastYear = 2026;

const RecordLayout &RA(); // submitter
const RecordLayout &RE(); // employer
const RecordLayout &RW(); // employee wages
const RecordLayout &RO(); // employee optional amounts
const RecordLayout &RS(); // state wages
const RecordLayout &RT(); // employer totals of RW
const RecordLayout &RU(); // employer totals of RO
const RecordLayout &RF(); // final

// Where a box 12 code is reported: the field of the RW or RO record (and of RT or RU with
// the same name), or nothing for the codes the file does not take.
struct Box12Field {
    const char *code;
    bool optionalRecord; // RO/RU rather than RW/RT
    const char *field;
};
const std::vector<Box12Field> &box12Fields();
// Codes that belong on the paper W-2 only and are left out of the file.
bool box12PaperOnly(const QString &code);
// Codes new on the 2026 W-2 (TA, TP, TT) whose place in the file is not confirmed: a W-2 with
// one is refused rather than written at a guessed position, as is one with a box 14b code.
bool box12Unconfirmed(const QString &code);

} // namespace efw2
} // namespace quillory::efile
