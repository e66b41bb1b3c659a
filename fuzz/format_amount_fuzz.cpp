// Formatting a value for an amount field never fails badly: it shows either nothing or
// text that reads as a number other than 0, and formatting what it shows changes nothing.

#include "FuzzCheck.h"
#include "data/Money.h"
#include "printing/FormLayout.h"
#include "printing/NumberText.h"

using quillory::fuzz::shown;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = quillory::fuzz::text(data, size);
    const QString formatted = quillory::FormatAmount(text);
    if (formatted.isEmpty())
        return 0;
    FUZZ_CHECK(quillory::LeadingNumber(formatted) != 0.0, "'%s' -> '%s'", shown(text).constData(),
               shown(formatted).constData());
    const QString again = quillory::FormatAmount(formatted);
    FUZZ_CHECK(again == formatted, "'%s' -> '%s' -> '%s'", shown(text).constData(), shown(formatted).constData(),
               shown(again).constData());
    // An amount is shown with exactly two decimals.
    if (const auto money = quillory::Money::parse(text, QLocale::c()))
        FUZZ_CHECK(formatted == money->toFixed2(), "'%s' -> '%s'", shown(text).constData(),
                   shown(formatted).constData());
    return 0;
}
