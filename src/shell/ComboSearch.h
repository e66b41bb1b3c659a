#pragma once

#include <QString>
#include <QStringList>

namespace quillory {

// The entry that the combo prefix search selects: the first that begins with the text
// (ignoring case), searching from entry 1 to the end and then entry 0; -1 when none does.
int FindComboEntry(const QStringList &entries, const QString &text);

} // namespace quillory
