#pragma once

#include "data/FilerTable.h"
#include "shell/AppContext.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace quillory {

class MDIForm1;

// The screens that other screens open through the main window.
enum class ScreenId { FilerInfo, W2, Misc1099, PrtSelW2, PrtSel1099, Nec1099 };

// How a screen asks for another one; the filer goes to the screens that work on one (an empty
// one lets a print screen start at the first filer).
using OpenScreen = std::function<void(ScreenId, const FilerKey &)>;

// How the main window opens the screens of the other parts of the program; the
// application fills these in, so that the shell does not depend on the screens.
struct ScreenOpeners {
    using Plain = std::function<void(MDIForm1 &)>;
    using ForFiler = std::function<void(MDIForm1 &, const FilerKey &)>;
    Plain filerInfo;
    ForFiler w2;
    ForFiler misc1099;
    // target "W2", "1099" or "1099NEC": the entry screen that the pick opens.
    std::function<void(MDIForm1 &, const QString &target)> employerList;
    ForFiler prtSelW2;
    ForFiler prtSel1099;
    // The Options dialogs of electronic filing.
    Plain efileSubmitter;
    Plain taxYear;
    // The 1099-NEC screen (tax years from 2025).
    ForFiler nec1099;
};

// The main window: menus, status bar and the area in which every screen opens.
class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(AppContext &ctx);

    // The start-up: disclaimer, database, first filer, settings. unloadSplash is called
    // before the disclaimer shows. Returns false when the user does not agree, and the
    // program is then to end.
    bool load(const std::function<void()> &unloadSplash = {});

    AppContext &context() { return ctx_; }
    void setScreenOpeners(ScreenOpeners openers) { openers_ = std::move(openers); }
    // Opens a screen through its opener, for the filer given; nothing happens for a screen
    // this build lacks.
    void openScreen(ScreenId which, const FilerKey &filer = {});
    // The same, for a screen to call.
    OpenScreen screenOpener()
    {
        return [this](ScreenId which, const FilerKey &filer) { openScreen(which, filer); };
    }
    QMdiArea *mdiArea() const { return area_; }
    // Opens a screen as a child window centred in the client area; `which` tells closeChild
    // what it is.
    QMdiSubWindow *showChild(QWidget *screen, std::optional<ScreenId> which = {});
    // Brings forward the child window that holds a screen of this type and gives back the
    // screen; nullptr when none is open.
    template <typename Screen> Screen *raiseChild()
    {
        return static_cast<Screen *>(raiseChild(Screen::staticMetaObject));
    }
    QWidget *raiseChild(const QMetaObject &type);
    // Closes the open screen of that kind, which runs its closing rules first; false when it
    // stays open.
    bool closeChild(ScreenId which);
    // The "Text" panel of the status bar.
    void setStatusText(const QString &text);
    QString statusText() const;

    // Menu commands.
    void mnuFile_Exit_Click();
    void mnuForms_TaxPayer_Click();
    void mnuForms_W2_Click();
    void mnuForms_1099_Click();
    void mnuForms_1099Nec_Click();
    void mnuPrint_W2_Click();
    void mnuPrint_1099Misc_Click();
    void mnuNagger_Click();
    void mnuAuto_Click();
    void mnuEfileSubmitter_Click() { open(openers_.efileSubmitter); }
    void mnuTaxYear_Click() { open(openers_.taxYear); }
    void mnuHelp_Contents_Click();
    void mnuWhat_Click();
    void mnuHelp_About_Click();

    QAction *mnuNagger;
    QAction *mnuAuto;
    QAction *mnuWhat;
    QAction *mnuHelp_Contents;

    static constexpr int kHelpContents = 1005;
    static constexpr int kHelpWhatsChanged = 1032;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, void (MDIForm1::*slot)());
    void buildStatusBar();
    void updateClock();
    void showHelp(int topic);
    // The filers with an identification number: a sole one is chosen and its entry screen
    // opened; several open the employer list; none shows the given message.
    void chooseFiler(const QString &noFilerMessage, bool withFilerType, const QString &target,
                     const ScreenOpeners::ForFiler &entryScreen);
    // Whether the second connection finds something to print; shows the message otherwise.
    bool somethingToPrint(bool (*lookup)(Database &), const QString &nothingMessage);

    void open(const ScreenOpeners::Plain &opener);
    void open(const ScreenOpeners::ForFiler &opener, const FilerKey &filer);

    AppContext &ctx_;
    ScreenOpeners openers_;
    QMdiArea *area_;
    QLabel *statusPanels_[5];
};

} // namespace quillory
