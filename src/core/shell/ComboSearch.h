#pragma once

#include <QString>

class QAbstractItemModel;

namespace quillory {

// The entry that the combo prefix search selects in a column of the entries: the first that
// begins with the text (ignoring case), searching from entry 1 to the end and then entry 0;
// -1 when none does.
int FindComboEntry(const QAbstractItemModel &entries, int column, const QString &text);

} // namespace quillory
