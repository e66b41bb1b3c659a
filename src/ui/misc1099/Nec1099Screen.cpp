#include "misc1099/Nec1099Screen.h"

#include "data/Settings.h"
#include "shell/StepRunner.h"

namespace quillory {

Nec1099::Nec1099(AppContext &ctx, const FilerKey &payer, OpenScreen openScreen, QWidget *parent)
    : Return1099Screen(ctx,
                       {QStringLiteral("1099-NEC"), QStringLiteral("1099Nec"), QStringLiteral("Nec1099"),
                        QStringLiteral("1099 NEC"), QStringLiteral("1099Nec screen"),
                        QStringLiteral("Deleting Current 1099-NEC......")},
                       &necEdition, payer, std::move(openScreen), parent)
{
    // Made only for a year with an edition (see open); a screen made otherwise stays empty.
    if (edition())
        buildEditionForm();
    finishSetup();
}

void Nec1099::open(MDIForm1 &mainWindow, const FilerKey &payer)
{
    AppContext &ctx = mainWindow.context();
    int year = 0;
    if (!runSteps(ctx, {[&] { year = Settings::read(ctx.state.gDatabase).year.toInt(); }}))
        return;
    if (!necEdition(year)) {
        ctx.dialogs.message(QStringLiteral("Form 1099-NEC is kept for tax years 2025 and later; this database's "
                                           "tax year is %1. Nonemployee compensation of earlier years is box 7 "
                                           "of the 1099-MISC screen.")
                                .arg(year),
                            ctx.state.gAppTitle, Dialogs::Icon::Information);
        return;
    }
    if (!prepareOpening(mainWindow, ScreenId::Nec1099, staticMetaObject, payer))
        return;
    auto *screen = new Nec1099(ctx, payer, mainWindow.screenOpener());
    mainWindow.showChild(screen, ScreenId::Nec1099);
    screen->load();
}

} // namespace quillory
