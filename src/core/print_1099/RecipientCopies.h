#pragma once

#include <QString>
#include <QVector>

namespace quillory {

struct CopyForm;

enum class RecipientForm { Nec, Misc };

// A 1099's recipient copies (Copy B, and Copy 2 where a state line is filled) drawn on plain
// paper: rows of "1099Nec" or "1099Misc" by Counter, the payer's telephone number from its filer,
// the recipient's TIN truncated, the payer's whole.
const CopyForm &RecipientCopies(RecipientForm form);

// A TIN as a recipient's copy may show it: the first five of its nine digits replaced by
// asterisks, the hyphens kept ("***-**-6789", "**-***6789").
QString TruncatedTin(const QString &tin);

} // namespace quillory
