#include "print_w2/W2Copies.h"

#include "print_w2/W2FormsRun.h"
#include "printing/CopySheets.h"

namespace quillory {

namespace {

// The SSN is printed whole: truncating it on employee copies is allowed but voluntary (2026
// General Instructions for Forms W-2 and W-3, "Social security numbers (SSNs)"), and Copy 2 goes
// to state and local governments, which may not take a truncated one. The EIN may never be
// truncated.
QString formatW2(const QString &kind, const QVariant &value)
{
    const QString text = value.toString().trimmed();
    if (kind == QLatin1String("ssn"))
        return text.isEmpty() ? QString() : FormatSsn(text);
    if (kind == QLatin1String("ein") && text.startsWith(QLatin1String("AF")))
        return QStringLiteral("Applied For");
    return text;
}

} // namespace

const CopyForm &W2Copies()
{
    static const CopyForm form{QStringLiteral("W2"),
                               QStringLiteral("W-2"),
                               QStringLiteral("W2"),
                               QStringLiteral("id"),
                               QStringLiteral("Boxe_FName"),
                               QStringLiteral("Boxe_LName"),
                               QStringLiteral("employee copies"),
                               formatW2,
                               {},
                               {}};
    return form;
}

} // namespace quillory
