#pragma once

#include "efile/FixedRecord.h"

namespace quillory::efile {

// The W-2 wage file for the Social Security Administration (EFW2): 512-character records.
namespace efw2 {

// The tax years whose EFW2 edition these layouts follow.
constexpr int kFirstYear = 2023;
constexpr int kLastYear = 2025;

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

} // namespace efw2
} // namespace quillory::efile
