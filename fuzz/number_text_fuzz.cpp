// The alignment fields' number rules: a number written as text reads back as itself (to
// the 15 digits shown); the leading number of a text stops where the number ends; and a
// whole text that is a plain number reads the same both ways.

#include "FuzzCheck.h"
#include "printing/NumberText.h"

#include <cmath>
#include <cstring>

using namespace quillory;
using quillory::fuzz::shown;

namespace {

bool plainNumberCharacters(const QString &s)
{
    for (QChar c : s) {
        if (!QStringLiteral("0123456789+-.eE \t").contains(c))
            return false;
    }
    return true;
}

void checkWrittenNumber(double value)
{
    // Near the largest double the 15 digits shown round up past it ("1.79769313486232E+308").
    if (!std::isfinite(value) || std::fabs(value) > 1e308)
        return;
    const QString written = NumberToText(value);
    FUZZ_CHECK(written.startsWith(value < 0 ? '-' : ' '), "%.17g -> '%s'", value, shown(written).constData());
    const double read = LeadingNumber(written);
    FUZZ_CHECK(NumberToText(read) == written, "%.17g -> '%s' -> %.17g", value, shown(written).constData(), read);
    FUZZ_CHECK(value == 0.0 || std::fabs(read - value) <= std::fabs(value) * 1e-14, "%.17g -> '%s' -> %.17g", value,
               shown(written).constData(), read);
    const auto whole = WholeNumber(written, QLocale::c());
    FUZZ_CHECK(whole && *whole == read, "'%s' read whole as %s", shown(written).constData(),
               whole ? "another number" : "no number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkWrittenNumber(value);
    }

    const QString text = quillory::fuzz::text(data, size);
    const double leading = LeadingNumber(text);
    const double extended = LeadingNumber(text + QStringLiteral("x1"));
    FUZZ_CHECK(leading == extended || (std::isnan(leading) && std::isnan(extended)), "'%s': %.17g, then %.17g",
               shown(text).constData(), leading, extended);
    checkWrittenNumber(leading);

    static const QLocale us(QLocale::English, QLocale::UnitedStates);
    const auto whole = WholeNumber(text, us);
    if (whole)
        FUZZ_CHECK(std::isfinite(*whole), "'%s'", shown(text).constData());
    // Without group separators or other blanks, both rules read the same plain number.
    const QString trimmed = text.trimmed();
    if (whole && plainNumberCharacters(trimmed) && !trimmed.contains(' ') && !trimmed.contains('\t'))
        FUZZ_CHECK(*whole == LeadingNumber(trimmed), "'%s': whole %.17g, leading %.17g", shown(text).constData(),
                   *whole, LeadingNumber(trimmed));
    return 0;
}
