#include "misc1099/Misc1099Screen.h"

namespace quillory {

Misc1099::Misc1099(AppContext &ctx, const FilerKey &payer, OpenScreen openScreen, QWidget *parent)
    : Return1099Screen(ctx,
                       {QStringLiteral("1099-MISC"), QStringLiteral("1099Misc"), QStringLiteral("Misc1099"),
                        QStringLiteral("1099 Misc"), QStringLiteral("1099Misc screen"),
                        QStringLiteral("Deleting Current W2......")},
                       &miscEdition, payer, std::move(openScreen), parent)
{
    if (edition()) {
        buildEditionForm();
    } else {
        makeFields();
        buildForm();
    }
    finishSetup();
}

void Misc1099::open(MDIForm1 &mainWindow, const FilerKey &payer)
{
    if (!prepareOpening(mainWindow, ScreenId::Misc1099, staticMetaObject, payer))
        return;
    auto *screen = new Misc1099(mainWindow.context(), payer, mainWindow.screenOpener());
    mainWindow.showChild(screen, ScreenId::Misc1099);
    screen->load();
}

} // namespace quillory
