#include "shell/ComboSearch.h"

#include <QAbstractItemModel>

namespace quillory {

int FindComboEntry(const QAbstractItemModel &entries, int column, const QString &text)
{
    const int count = entries.rowCount();
    if (count == 0)
        return -1;
    // From entry 1, wrapping round to entry 0 last.
    const QModelIndexList found = entries.match(entries.index(count > 1 ? 1 : 0, column), Qt::DisplayRole, text, 1,
                                                Qt::MatchStartsWith | Qt::MatchWrap);
    return found.isEmpty() ? -1 : found.first().row();
}

} // namespace quillory
