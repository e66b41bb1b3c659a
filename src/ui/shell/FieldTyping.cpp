#include "shell/FieldTyping.h"

#include "shell/Dialogs.h"
#include "shell/FieldValues.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

namespace quillory {

void FieldTyping::watch(const RecordField &field, QObject *context, std::function<void()> changed)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field.control)) {
        lastText_.insert(edit, edit->text());
        QObject::connect(edit, &QLineEdit::textChanged, context, [this, edit, changed] {
            lastText_.insert(edit, edit->text());
            if (!reformatting_)
                changed();
        });
        // Before textChanged, so that the text as it was is still at hand.
        QObject::connect(edit, &QLineEdit::textEdited, context, [this, &field, edit] { followRules(field, edit); });
    } else if (auto *check = qobject_cast<QCheckBox *>(field.control))
        QObject::connect(check, &QCheckBox::toggled, context, changed);
    else if (auto *combo = qobject_cast<QComboBox *>(field.control))
        QObject::connect(combo, &QComboBox::currentTextChanged, context, changed);
}

bool FieldTyping::keyPressed(const RecordField &field, QKeyEvent *key)
{
    return pasteAsTyped(field, key) || fieldKey(field, key);
}

bool FieldTyping::fieldKey(const RecordField &field, QKeyEvent *key)
{
    auto *edit = qobject_cast<QLineEdit *>(field.control);
    if (auto *combo = qobject_cast<QComboBox *>(field.control))
        edit = combo->lineEdit();
    if (!edit || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const bool tabKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    const KeyOutcome outcome = keyOutcome(field.keys, key->text(), tabKey);
    switch (outcome.action) {
    case KeyOutcome::Pass:
        return false;
    case KeyOutcome::Beep:
        dialogs_.beep();
        break;
    case KeyOutcome::Insert:
        if (!edit->isReadOnly())
            edit->insert(outcome.text);
        break;
    case KeyOutcome::Drop:
        break;
    }
    return true;
}

bool FieldTyping::pasteAsTyped(const RecordField &field, QKeyEvent *key)
{
    auto *edit = qobject_cast<QLineEdit *>(field.control);
    if (!edit || !key->matches(QKeySequence::Paste) || edit->isReadOnly() || field.show || !edit->inputMask().isEmpty())
        return false;
    // The line edit would cut the pasted text to its maximum length before the rules drop
    // anything; typing drops first and then fills the room that is left.
    const int room = lengthLimit(field) - int(edit->text().size() - edit->selectedText().size());
    const TypedText typed = typedText(field.keys, QGuiApplication::clipboard()->text(), room);
    beepIf(typed.beep);
    if (!typed.text.isEmpty())
        edit->insert(typed.text);
    return true;
}

void FieldTyping::followRules(const RecordField &field, QLineEdit *edit)
{
    if (field.show || !edit->inputMask().isEmpty())
        return;
    const TypedChange change = typedChange(field.keys, lastText_.value(edit), edit->text(), lengthLimit(field));
    beepIf(change.beep);
    if (!change.changed)
        return;
    edit->setText(change.text);
    edit->setCursorPosition(change.cursor);
}

void FieldTyping::entered(const RecordField &field, bool amount, bool byMouse)
{
    if (amount)
        reformatAmount(field, true);
    if (auto *edit = qobject_cast<QLineEdit *>(field.control)) {
        if (byMouse)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll); // after the click places the cursor
        else
            edit->selectAll();
    }
}

void FieldTyping::left(const RecordField &field, bool amount)
{
    if (amount)
        reformatAmount(field, false);
}

void FieldTyping::reformatAmount(const RecordField &field, bool entering)
{
    auto *edit = qobject_cast<QLineEdit *>(field.control);
    if (!edit || field.show)
        return;
    // Left as typed when it is no amount, for the save to report.
    if (const auto text = reformattedAmount(edit->text(), entering)) {
        QScopedValueRollback<bool> quiet(reformatting_, true);
        edit->setText(*text);
    }
}

void FieldTyping::beepIf(bool beep)
{
    if (beep)
        dialogs_.beep();
}

} // namespace quillory
