#include "shell/ChildActivation.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace quillory {

bool watchActivation(QWidget *screen, std::function<void()> activated, std::function<void()> deactivated)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget());
    if (!sub || !sub->mdiArea())
        return false;
    QObject::connect(sub->mdiArea(), &QMdiArea::subWindowActivated, screen,
                     [sub, active = false, activated = std::move(activated),
                      deactivated = std::move(deactivated)](QMdiSubWindow *now) mutable {
                         if (!now)
                             return;
                         if (now == sub && !active) {
                             active = true;
                             activated();
                         } else if (now != sub && active) {
                             active = false;
                             deactivated();
                         }
                     });
    return true;
}

} // namespace quillory
