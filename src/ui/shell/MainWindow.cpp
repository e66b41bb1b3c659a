#include "shell/MainWindow.h"

#include "data/DbError.h"
#include "data/FilerTable.h"
#include "data/RequiredSchema.h"
#include "data/ReturnTable.h"
#include "data/Settings.h"
#include "data/Twips.h"
#include "data/W2Table.h"
#include "shell/About.h"
#include "shell/Disclaimer.h"
#include "shell/InputRoutines.h"
#include "shell/KeyboardLocks.h"
#include "shell/StepRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

namespace quillory {

namespace {
// The property of a child window that tells which screen it holds.
const char *const kScreenId = "screenId";
} // namespace

MDIForm1::MDIForm1(AppContext &ctx) : ctx_(ctx)
{
    setObjectName(QStringLiteral("MDIForm1"));
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("mdiArea"));
    area_->setBackground(QColor(128, 128, 140));
    setCentralWidget(area_);

    QMenu *file = addMenu(QStringLiteral("mnuFile"), tr("&File"));
    addItem(file, QStringLiteral("mnuFile_Exit"), tr("E&xit"), &MDIForm1::mnuFile_Exit_Click);

    QMenu *forms = addMenu(QStringLiteral("mnuForms"), tr("F&orms"));
    addItem(forms, QStringLiteral("mnuForms_TaxPayer"), tr("&Tax Payer"), &MDIForm1::mnuForms_TaxPayer_Click);
    addItem(forms, QStringLiteral("mnuForms_W2"), tr("&W-2"), &MDIForm1::mnuForms_W2_Click);
    addItem(forms, QStringLiteral("mnuForms_1099"), tr("1099&MISC"), &MDIForm1::mnuForms_1099_Click);
    addItem(forms, QStringLiteral("mnuForms_1099Nec"), tr("1099-&NEC"), &MDIForm1::mnuForms_1099Nec_Click);

    QMenu *print = addMenu(QStringLiteral("mnuPrint"), tr("&Print"));
    addItem(print, QStringLiteral("mnuPrint_W2"), tr("&W-2"), &MDIForm1::mnuPrint_W2_Click);
    addItem(print, QStringLiteral("mnuPrint_1099Misc"), tr("1099&MISC"), &MDIForm1::mnuPrint_1099Misc_Click);

    QMenu *options = addMenu(QStringLiteral("mnuOpt"), tr("&Options"));
    mnuNagger = addItem(options, QStringLiteral("mnuNagger"), tr("W-2 &Edits"), &MDIForm1::mnuNagger_Click);
    mnuAuto = addItem(options, QStringLiteral("mnuAuto"), tr("W-2 &Auto-Number"), &MDIForm1::mnuAuto_Click);
    options->addSeparator();
    addItem(options, QStringLiteral("mnuEfileSubmitter"), tr("E-file &Submitter..."),
            &MDIForm1::mnuEfileSubmitter_Click);
    addItem(options, QStringLiteral("mnuTaxYear"), tr("&Tax Year..."), &MDIForm1::mnuTaxYear_Click);
    mnuNagger->setCheckable(true);
    mnuAuto->setCheckable(true);

    QMenu *help = addMenu(QStringLiteral("mnuHelp"), tr("&Help"));
    mnuHelp_Contents =
        addItem(help, QStringLiteral("mnuHelp_Contents"), tr("&Contents"), &MDIForm1::mnuHelp_Contents_Click);
    addItem(help, QStringLiteral("mnuHelp_About"), tr("&About"), &MDIForm1::mnuHelp_About_Click);
    mnuWhat = addItem(help, QStringLiteral("mnuWhat"), tr("What's changed?"), &MDIForm1::mnuWhat_Click);
    // F1 on a highlighted help item opens that item's topic.
    mnuHelp_Contents->setProperty("helpContext", kHelpContents);
    mnuWhat->setProperty("helpContext", kHelpWhatsChanged);

    buildStatusBar();
    resize(960, 700);
}

QMenu *MDIForm1::addMenu(const QString &name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->installEventFilter(this);
    return menu;
}

QAction *MDIForm1::addItem(QMenu *menu, const QString &name, const QString &caption, void (MDIForm1::*slot)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MDIForm1::buildStatusBar()
{
    const char *const keys[5] = {"Text", "Date", "Time", "Caps", "Num"};
    for (int i = 0; i < 5; ++i) {
        statusPanels_[i] = new QLabel(this);
        statusPanels_[i]->setObjectName(QStringLiteral("status_%1").arg(QLatin1String(keys[i])));
        statusPanels_[i]->setFrameShape(QFrame::Panel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
        statusPanels_[i]->setContentsMargins(4, 0, 4, 0);
        if (i == 0)
            statusBar()->addWidget(statusPanels_[i], 1);
        else
            statusBar()->addPermanentWidget(statusPanels_[i]);
    }
    statusPanels_[3]->setText(QStringLiteral("CAPS"));
    statusPanels_[4]->setText(QStringLiteral("NUM"));
    // The text panel has no fixed accessible name: assistive technology reads the shown text.
    statusPanels_[0]->setAccessibleDescription(tr("Status"));
    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MDIForm1::updateClock);
    clock->start(500);
    updateClock();
}

void MDIForm1::updateClock()
{
    const QLocale locale;
    statusPanels_[1]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    statusPanels_[2]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    const auto locks = keyboardLocks();
    statusPanels_[3]->setEnabled(locks && locks->caps);
    statusPanels_[4]->setEnabled(locks && locks->num);
}

void MDIForm1::setStatusText(const QString &text)
{
    statusPanels_[0]->setText(text);
}

QString MDIForm1::statusText() const
{
    return statusPanels_[0]->text();
}

bool MDIForm1::load(const std::function<void()> &unloadSplash)
{
    AppState &s = ctx_.state;
    setWindowTitle(s.gAppTitle);
    s.gW2EditsOn = true;
    mnuNagger->setChecked(true);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(static_cast<int>(area.width() / 2.0 - width() / 2.0),
             static_cast<int>(area.height() / 2.0 - height() / 2.0));
    }
    if (unloadSplash)
        unloadSplash();

    {
        Disclaimer disclaimer(this, s.databaseFile());
        disclaimer.exec();
        if (!disclaimer.agreed())
            return false;
    }
    show();

    // The commands that need the database wait until start-up has done with it.
    const QList<QAction *> waiting = findChild<QMenu *>(QStringLiteral("mnuForms"))->actions() +
                                     findChild<QMenu *>(QStringLiteral("mnuPrint"))->actions() +
                                     findChild<QMenu *>(QStringLiteral("mnuOpt"))->actions();
    for (QAction *action : waiting)
        action->setEnabled(false);
    s.helpFile = s.helpFilePath();
    runSteps(ctx_, {
                       [&] {
                           s.gDatabasePath = s.databaseFile();
                           s.gDatabase.open(s.gDatabasePath);
                       },
                       [&] { checkSchema(s.gDatabase); },
                       [&] {
                           if (filerTable::withIdNumber(s.gDatabase).isEmpty())
                               mnuForms_TaxPayer_Click();
                       },
                       [&] {
                           const Settings settings = Settings::read(s.gDatabase);
                           s.gW2AutoNumber = static_cast<short>(settings.w2AutoNo) != 0;
                           mnuWhat->setText(whatsChangedCaption(settings.year));
                           // The what's-changed topic describes the year and limits of this file.
                           const QLocale locale;
                           ctx_.help.setValues({{QStringLiteral("Year"), settings.year},
                                                {QStringLiteral("SSwages"), settings.ssWages.toCurrency(locale)},
                                                {QStringLiteral("SSTaxMax"), settings.ssTaxMax.toCurrency(locale)},
                                                {QStringLiteral("SSTaxPct"), locale.toString(settings.ssTaxPct)},
                                                {QStringLiteral("MDtaxPct"), locale.toString(settings.mdTaxPct)},
                                                {QStringLiteral("EICMax"), settings.eicMax.toCurrency(locale)},
                                                {QStringLiteral("W2box12"), settings.w2box12.toCurrency(locale)}});
                       },
                       [&] { mnuAuto->setChecked(s.gW2AutoNumber); },
                   });
    for (QAction *action : waiting)
        action->setEnabled(true);
    return true;
}

QMdiSubWindow *MDIForm1::showChild(QWidget *screen, std::optional<ScreenId> which)
{
    QMdiSubWindow *sub = area_->addSubWindow(screen);
    if (which)
        sub->setProperty(kScreenId, static_cast<int>(*which));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(screen->windowTitle());
    connect(screen, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    sub->adjustSize();
    CentreInParent(sub);
    sub->show();
    return sub;
}

QWidget *MDIForm1::raiseChild(const QMetaObject &type)
{
    for (QMdiSubWindow *sub : area_->subWindowList()) {
        if (type.cast(sub->widget())) {
            area_->setActiveSubWindow(sub);
            return sub->widget();
        }
    }
    return nullptr;
}

bool MDIForm1::closeChild(ScreenId which)
{
    for (QMdiSubWindow *sub : area_->subWindowList()) {
        if (sub->isVisible() && sub->property(kScreenId) == static_cast<int>(which) && !sub->close())
            return false;
    }
    return true;
}

void MDIForm1::mnuFile_Exit_Click()
{
    close();
}

void MDIForm1::mnuForms_TaxPayer_Click()
{
    open(openers_.filerInfo);
}

void MDIForm1::chooseFiler(const QString &noFilerMessage, bool withFilerType, const QString &target,
                           const ScreenOpeners::ForFiler &entryScreen)
{
    AppState &s = ctx_.state;
    QVector<FilerKey> filers;
    bool chosen = false;
    runSteps(ctx_, {
                       [&] { filers = filerTable::withIdNumber(s.gDatabase); },
                       [&] {
                           if (filers.isEmpty()) {
                               ctx_.dialogs.message(noFilerMessage, s.gAppTitle, Dialogs::Icon::Information);
                           } else if (filers.size() == 1) {
                               // What the sole filer does not set keeps the value of the last choice.
                               FilerKey &last = s.chosenFiler;
                               last.fedIdNo = filers.first().fedIdNo;
                               last.tfid = filers.first().tfid;
                               if (withFilerType)
                                   last.filerType = filers.first().filerType;
                               chosen = true;
                           } else if (openers_.employerList) {
                               openers_.employerList(*this, target);
                           }
                       },
                   });
    if (chosen)
        open(entryScreen, s.chosenFiler);
}

void MDIForm1::mnuForms_W2_Click()
{
    chooseFiler(tr("TaxPayer Information must be entered first."), true, QStringLiteral("W2"), openers_.w2);
}

void MDIForm1::mnuForms_1099_Click()
{
    chooseFiler(tr("Tax payer information must be entered first."), false, QStringLiteral("1099"), openers_.misc1099);
}

void MDIForm1::mnuForms_1099Nec_Click()
{
    chooseFiler(tr("Tax payer information must be entered first."), false, QStringLiteral("1099NEC"), openers_.nec1099);
}

bool MDIForm1::somethingToPrint(bool (*lookup)(Database &), const QString &nothingMessage)
{
    AppState &s = ctx_.state;
    Database second;
    bool found = false;
    const bool completed = runSteps(ctx_, {
                                              [&] { second.open(s.databaseFile()); },
                                              [&] { found = lookup(second); },
                                          });
    if (!completed)
        return false;
    if (!found) {
        ctx_.dialogs.message(nothingMessage, s.gAppTitle, Dialogs::Icon::Information);
        return false;
    }
    return true;
}

void MDIForm1::mnuPrint_W2_Click()
{
    if (somethingToPrint(&w2Table::anyToPrint, tr("There is no W2 Information to print.")))
        open(openers_.prtSelW2, FilerKey{}); // no filer: the screen starts at the first one
}

void MDIForm1::mnuPrint_1099Misc_Click()
{
    if (somethingToPrint(&returnTable::anyToPrint, tr("There is no 1099Misc Information to print.")))
        open(openers_.prtSel1099, FilerKey{});
}

void MDIForm1::mnuNagger_Click()
{
    // The action has already flipped its own check mark.
    ctx_.state.gW2EditsOn = !ctx_.state.gW2EditsOn;
    mnuNagger->setChecked(ctx_.state.gW2EditsOn);
}

void MDIForm1::mnuAuto_Click()
{
    AppState &s = ctx_.state;
    s.gW2AutoNumber = !s.gW2AutoNumber;
    mnuAuto->setChecked(s.gW2AutoNumber);
    // The switch stays changed for this run even when it cannot be written.
    runSteps(ctx_, {[&] {
                 Database second;
                 second.open(s.databaseFile());
                 Settings::storeAutoNumber(second, s.gW2AutoNumber);
             }},
             OnFailure::EndRun);
}

void MDIForm1::showHelp(int topic)
{
    ctx_.help.showTopic(ctx_.state.helpFile.isEmpty() ? ctx_.state.helpFilePath() : ctx_.state.helpFile, topic);
}

void MDIForm1::mnuHelp_Contents_Click()
{
    showHelp(kHelpContents);
}

void MDIForm1::mnuWhat_Click()
{
    showHelp(kHelpWhatsChanged);
}

void MDIForm1::mnuHelp_About_Click()
{
    auto *about = new frmAbout(ctx_.state);
    QMdiSubWindow *sub = showChild(about);
    // 400 twips from the client area's corner.
    const int px = static_cast<int>(Twips(400).toPixels(logicalDpiX()));
    sub->move(px, px);
}

void MDIForm1::openScreen(ScreenId which, const FilerKey &filer)
{
    switch (which) {
    case ScreenId::FilerInfo:
        open(openers_.filerInfo);
        break;
    case ScreenId::W2:
        open(openers_.w2, filer);
        break;
    case ScreenId::Misc1099:
        open(openers_.misc1099, filer);
        break;
    case ScreenId::Nec1099:
        open(openers_.nec1099, filer);
        break;
    case ScreenId::PrtSelW2:
        open(openers_.prtSelW2, filer);
        break;
    case ScreenId::PrtSel1099:
        open(openers_.prtSel1099, filer);
        break;
    }
}

void MDIForm1::open(const ScreenOpeners::Plain &opener)
{
    // A screen that is not part of this build leaves the command ended after its checks.
    if (opener)
        opener(*this);
}

void MDIForm1::open(const ScreenOpeners::ForFiler &opener, const FilerKey &filer)
{
    if (opener)
        opener(*this, filer);
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    // A box of the program waits for its answer, and the step that opened it goes on with its
    // screen afterwards: nothing may close under it (File > Exit from a screen reader, a
    // session's logout).
    if (QApplication::activeModalWidget() || ctx_.dialogs.isShowing()) {
        ctx_.dialogs.beep();
        event->ignore();
        return;
    }
    // Each open screen runs its own closing rules first.
    area_->closeAllSubWindows();
    for (QMdiSubWindow *sub : area_->subWindowList()) {
        if (sub->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void MDIForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (QMdiSubWindow *active = area_->activeSubWindow())
        CentreInParent(active);
}

bool MDIForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            if (QAction *action = menu->activeAction()) {
                const QVariant topic = action->property("helpContext");
                if (topic.isValid()) {
                    menu->close();
                    showHelp(topic.toInt());
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quillory
