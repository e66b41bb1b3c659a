#pragma once

#include "shell/AppState.h"
#include "shell/Dialogs.h"
#include "shell/HelpViewer.h"

#include <functional>

namespace quillory {

// What every screen is handed when it is made: the program-wide state and the services.
struct AppContext {
    AppState &state;
    Dialogs &dialogs;
    HelpViewer &help;
    // Writes the main window's status text (the "Text" panel).
    std::function<void(const QString &)> statusText = [](const QString &) {};
};

} // namespace quillory
