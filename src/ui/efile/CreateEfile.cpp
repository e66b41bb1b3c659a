#include "efile/CreateEfile.h"

#include "shell/AppContext.h"
#include "shell/StepRunner.h"

#include <QApplication>
#include <QDir>

namespace quillory {

namespace {
constexpr int kProblemsShown = 25;
}

void CreateEfile(AppContext &ctx, const EfileRequest &r)
{
    Dialogs &dialogs = ctx.dialogs;
    const QString &title = ctx.state.gAppTitle;
    const Dialogs::Answer scope =
        dialogs.message(QStringLiteral("Create the %1 file for every %2?\n\nYes: every %2 with %3.\nNo: only %2 %4.")
                            .arg(r.form, r.filerWord, r.formsWord, r.chosenFiler),
                        title, Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel);
    if (scope == Dialogs::Answer::Cancel)
        return;

    efile::EfileOutcome out;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool built = runSteps(ctx, {[&] { out = r.build(scope == Dialogs::Answer::Yes); }}, OnFailure::EndRun);
    QApplication::restoreOverrideCursor();
    if (!built)
        return;
    if (!out.ok()) {
        // One bullet per problem, so that wrapped lines still read apart.
        QStringList shown;
        for (const QString &problem : out.problems.mid(0, kProblemsShown))
            shown << QStringLiteral("\u2022 ") + problem;
        if (out.problems.size() > kProblemsShown)
            shown << QStringLiteral("... and %1 more.").arg(out.problems.size() - kProblemsShown);
        dialogs.message(QStringLiteral("The %1 file was not written. Put these right and try again:\n\n").arg(r.form) +
                            shown.join(QLatin1Char('\n')),
                        title, Dialogs::Icon::Exclamation);
        return;
    }

    const std::optional<QString> path =
        dialogs.saveFileName(QStringLiteral("Create %1 E-file").arg(r.form), QDir::home().filePath(r.suggestedName));
    if (!path)
        return;
    if (!runSteps(ctx, {[&] { efile::writeRecords(*path, out.records, r.lineEnd); }}, OnFailure::EndRun))
        return;
    dialogs.message(QStringLiteral("The %1 file for tax year %2 is written:\n%3\n\nIt holds %4 records: %5 %6 of %7 "
                                   "%8%9.\n\n%10")
                        .arg(r.form)
                        .arg(out.taxYear)
                        .arg(QDir::toNativeSeparators(*path))
                        .arg(out.records.size())
                        .arg(out.forms)
                        .arg(r.formsWord)
                        .arg(out.filers)
                        .arg(r.filerWord)
                        .arg(out.filers == 1 ? QString() : QStringLiteral("s"))
                        .arg(r.sendTo),
                    title, Dialogs::Icon::Information);
}

} // namespace quillory
