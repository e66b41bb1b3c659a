#include "shell/ComboSearch.h"

namespace quillory {

int FindComboEntry(const QStringList &entries, const QString &text)
{
    const int count = entries.size();
    for (int step = 1; step <= count; ++step) {
        const int i = step % count; // 1, 2, ..., count-1, then 0
        if (entries.at(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace quillory
