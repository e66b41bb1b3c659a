#include "shell/KeyboardLocks.h"

#include <QGuiApplication>

#ifdef QUILLORY_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace quillory {

std::optional<LockState> keyboardLocks()
{
#ifdef QUILLORY_HAVE_X11
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Display *display = x11 ? x11->display() : nullptr) {
        unsigned int state = 0;
        if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success)
            return LockState{(state & 0x01) != 0, (state & 0x02) != 0};
    }
#endif
    return std::nullopt;
}

} // namespace quillory
