// The combo prefix search: input is the typed text, then the entries, one a line. The entry
// it finds begins with the text, and none met before it in the search order does.

#include "FuzzCheck.h"
#include "shell/ComboSearch.h"

#include <QStringList>
#include <QStringListModel>

using quillory::fuzz::shown;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines = quillory::fuzz::text(data, size).split(QLatin1Char('\n'));
    const QString typed = lines.takeFirst();
    const QStringListModel entries(lines);
    const int found = quillory::FindComboEntry(entries, 0, typed);
    const int count = lines.size();
    FUZZ_CHECK(found >= -1 && found < count, "%d of %d", found, count);

    const auto begins = [&](int i) {
        const QString &entry = lines.at(i);
        return entry.size() >= typed.size() &&
               QString::compare(entry.left(typed.size()), typed, Qt::CaseInsensitive) == 0;
    };
    const int last = found == -1 ? count : (found == 0 ? count : found);
    for (int i = 1; i < last; ++i)
        FUZZ_CHECK(!begins(i), "'%s': entry %d begins with it, %d was chosen", shown(typed).constData(), i, found);
    if (found == -1 && count > 0)
        FUZZ_CHECK(!begins(0), "'%s': entry 0 begins with it, none was chosen", shown(typed).constData());
    if (found >= 0)
        FUZZ_CHECK(begins(found), "'%s': entry %d does not begin with it", shown(typed).constData(), found);
    return 0;
}
