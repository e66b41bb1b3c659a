#pragma once

#include "shell/FieldBinding.h"

#include <functional>

class QWidget;

namespace quillory {

// When a record screen's field counts as left. Its leave check (the screen's fieldLeft) runs
// as the focus moves on, or once the mouse button that moved it is up, since a question shown
// while the button is down would swallow the click. A message box or an open drop-down takes
// the focus only for a while, and nothing counts while the screen is busy (showing a row,
// closing).
class FocusPolicy {
public:
    using Leave = std::function<bool(const RecordField &)>;
    FocusPolicy(QWidget *screen, const FieldBindings &fields, Leave leave, std::function<bool()> busy);

    // Whether a focus lost for the reason is a field being left.
    bool leaving(Qt::FocusReason reason) const;
    // The field was left for the reason: its check runs now, or after the mouse button is up.
    void left(const RecordField &field, Qt::FocusReason reason);
    // The check run before a command button acts, for the field that has the focus; false
    // drops the click.
    bool leaveFocused() const;

    // Gives a field the focus back with its whole text selected (after the current event).
    static void refocus(QWidget *field);
    // Gives the field the focus unless it is disabled.
    static void focus(QWidget *field);

private:
    void leaveAfterMouseUp(const RecordField &field);

    QWidget *screen_;
    const FieldBindings &fields_;
    Leave leave_;
    std::function<bool()> busy_;
};

} // namespace quillory
