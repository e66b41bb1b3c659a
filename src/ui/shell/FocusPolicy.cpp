#include "shell/FocusPolicy.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace quillory {

FocusPolicy::FocusPolicy(QWidget *screen, const FieldBindings &fields, Leave leave, std::function<bool()> busy)
    : screen_(screen), fields_(fields), leave_(std::move(leave)), busy_(std::move(busy))
{
}

bool FocusPolicy::leaving(Qt::FocusReason reason) const
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !busy_();
}

void FocusPolicy::left(const RecordField &field, Qt::FocusReason reason)
{
    if (reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons() != Qt::NoButton)
        leaveAfterMouseUp(field);
    else
        leave_(field);
}

bool FocusPolicy::leaveFocused() const
{
    const RecordField *field = fields_.of(QApplication::focusWidget());
    if (!field || busy_())
        return true;
    return leave_(*field);
}

void FocusPolicy::leaveAfterMouseUp(const RecordField &field)
{
    QPointer<QWidget> control = field.control;
    QTimer::singleShot(20, screen_, [this, control] {
        const RecordField *f = control ? fields_.of(control) : nullptr;
        if (!f || busy_())
            return;
        if (QGuiApplication::mouseButtons() != Qt::NoButton || QApplication::activeModalWidget())
            leaveAfterMouseUp(*f);
        else if (!f->control->hasFocus()) // a click on the window's frame hands the focus back
            leave_(*f);
    });
}

void FocusPolicy::refocus(QWidget *field)
{
    // The focus is still on its way to another control while a focus-out is handled.
    QTimer::singleShot(0, field, [field] {
        field->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
    });
}

void FocusPolicy::focus(QWidget *field)
{
    if (field && field->isEnabled())
        field->setFocus();
}

} // namespace quillory
