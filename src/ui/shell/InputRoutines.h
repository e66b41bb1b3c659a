#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace quillory {

// Selects the first entry that begins with the text (ignoring case), searching from entry 1
// to the end and then entry 0. Nothing changes when no entry matches.
void SelectComboEntry(QComboBox *combo, const QString &text);

// Centres a child screen in the main window's client area without changing its size.
void CentreInParent(QWidget *child);

} // namespace quillory
