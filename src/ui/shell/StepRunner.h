#pragma once

#include "shell/Dialogs.h"

#include <functional>
#include <vector>

namespace quillory {

struct AppContext;

using Step = std::function<void()>;

enum class OnFailure {
    // Retry repeats the failed step, Ignore goes on with the next one, Abort leaves.
    RetryIgnoreAbort,
    // The failure dialog is shown and the run ends whatever the button.
    EndRun,
};

// The standard failure dialog: the description, Abort / Retry / Ignore, exclamation icon,
// titled with the program's title followed by " Error".
Dialogs::Answer ErrorDialog(Dialogs &dialogs, const QString &appTitle, const QString &description);

// Runs a handler written as a list of steps; a step fails by throwing. Returns true when
// every step ran (with Ignore counting as ran), false when the handler was left early.
bool runSteps(Dialogs &dialogs, const QString &appTitle, const std::vector<Step> &steps,
              OnFailure policy = OnFailure::RetryIgnoreAbort);
bool runSteps(AppContext &ctx, const std::vector<Step> &steps, OnFailure policy = OnFailure::RetryIgnoreAbort);

} // namespace quillory
