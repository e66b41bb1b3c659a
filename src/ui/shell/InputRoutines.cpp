#include "shell/InputRoutines.h"

#include "shell/ComboSearch.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace quillory {

void SelectComboEntry(QComboBox *combo, const QString &text)
{
    const int found = FindComboEntry(*combo->model(), combo->modelColumn(), text);
    if (found >= 0)
        combo->setCurrentIndex(found);
}

void CentreInParent(QWidget *child)
{
    // A screen inside the main window sits in a sub-window of the MDI area.
    QWidget *frame = child;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(child->parentWidget()))
        frame = sub;
    QWidget *area = frame->parentWidget();
    if (!area)
        return;
    const double left = area->width() / 2.0 - frame->width() / 2.0;
    const double top = area->height() / 2.0 - frame->height() / 2.0;
    frame->move(static_cast<int>(left), static_cast<int>(top));
}

} // namespace quillory
