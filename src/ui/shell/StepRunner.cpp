#include "shell/StepRunner.h"

#include "shell/AppContext.h"

#include <exception>

namespace quillory {

Dialogs::Answer ErrorDialog(Dialogs &dialogs, const QString &appTitle, const QString &description)
{
    return dialogs.message(description, appTitle + QStringLiteral(" Error"), Dialogs::Icon::Exclamation,
                           Dialogs::Buttons::AbortRetryIgnore);
}

bool runSteps(Dialogs &dialogs, const QString &appTitle, const std::vector<Step> &steps, OnFailure policy)
{
    for (size_t i = 0; i < steps.size();) {
        QString failure;
        try {
            steps[i]();
            ++i;
            continue;
        } catch (const std::exception &e) {
            failure = QString::fromStdString(e.what());
        } catch (...) {
            failure = QStringLiteral("An unexpected error occurred.");
        }
        const Dialogs::Answer answer = ErrorDialog(dialogs, appTitle, failure);
        if (policy == OnFailure::EndRun || answer == Dialogs::Answer::Abort)
            return false;
        if (answer == Dialogs::Answer::Ignore)
            ++i;
    }
    return true;
}

bool runSteps(AppContext &ctx, const std::vector<Step> &steps, OnFailure policy)
{
    return runSteps(ctx.dialogs, ctx.state.gAppTitle, steps, policy);
}

} // namespace quillory
