#pragma once

#include <QString>

class QWidget;

namespace quillory::test {

// Clicks the named button of the modal window that opens next (for modal screens that are
// not message boxes, such as the disclaimer).
void clickInNextModal(const QString &buttonName);

} // namespace quillory::test
