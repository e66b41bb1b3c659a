#pragma once

#include "shell/FieldBinding.h"

#include <QHash>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QObject;

namespace quillory {

class Dialogs;

// Holds what reaches a record screen's fields to their typing rules: keys as they are pressed,
// pastes, and text that arrives other ways (dropped, from an input method), which follows the
// rules as if typed key by key. An amount shows plain while it is typed in and in the currency
// form once it is left.
class FieldTyping {
public:
    explicit FieldTyping(Dialogs &dialogs) : dialogs_(dialogs) {}

    // Follows the field's changes: `changed` runs on each, once the rules are applied. The field
    // is read when text arrives, so its rules may still be set after this call.
    void watch(const RecordField &field, QObject *context, std::function<void()> changed);
    // A key pressed in the field; true when it was dropped or replaced here.
    bool keyPressed(const RecordField &field, QKeyEvent *key);
    // The field gets or loses the focus; `amount`: it shows an amount column.
    void entered(const RecordField &field, bool amount, bool byMouse);
    void left(const RecordField &field, bool amount);

private:
    bool fieldKey(const RecordField &field, QKeyEvent *key);
    bool pasteAsTyped(const RecordField &field, QKeyEvent *key);
    void followRules(const RecordField &field, QLineEdit *edit);
    void beepIf(bool beep);
    void reformatAmount(const RecordField &field, bool entering);

    Dialogs &dialogs_;
    // Each line edit's text before the latest change.
    QHash<const QLineEdit *, QString> lastText_;
    // Showing the same amount another way is no change.
    bool reformatting_ = false;
};

} // namespace quillory
