#include "printing/PrintScreen.h"

#include "data/DbError.h"
#include "data/FilerTable.h"
#include "printing/CopiesPdf.h"
#include "printing/CopySheets.h"
#include "printing/PaintPrinter.h"
#include "printing/PreviewPrinter.h"
#include "printing/TestSheet.h"
#include "printing/TwoUpRun.h"
#include "shell/MainWindow.h"
#include "shell/StepRunner.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace quillory {

namespace {

// Read-only fields that answer every typed key with a beep.
class BeepingKeys : public QObject {
public:
    BeepingKeys(Dialogs &dialogs, QObject *parent) : QObject(parent), dialogs_(dialogs) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent *>(event)->text().isEmpty()) {
            dialogs_.beep();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Dialogs &dialogs_;
};

// Entering an alignment field selects its text, so that typing replaces it.
class SelectOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            if (auto *edit = qobject_cast<QLineEdit *>(watched))
                QMetaObject::invokeMethod(edit, &QLineEdit::selectAll, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

PrintScreen::PrintScreen(AppContext &ctx, PrintScreenSetup setup, QWidget *parent)
    : QWidget(parent), ctx_(ctx), setup_(std::move(setup)),
      makePrinter_([](QPrinter &printer) { return std::unique_ptr<Printer>(new PaintPrinter(printer)); })
{
    setObjectName(setup_.objectName);
    setWindowTitle(setup_.caption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    layout->addLayout(left, 1);
    layout->addLayout(right);
    left->addWidget(buildFilerBox());
    auto *gridBox = new QGroupBox(setup_.gridCaption, this);
    grdSel = new RecordGrid(gridBox);
    grdSel->setObjectName(QStringLiteral("grdSel"));
    grdSel->setAccessibleName(setup_.gridCaption);
    grdSel->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdSel->setColumns(setup_.gridColumns);
    auto *gridLayout = new QVBoxLayout(gridBox);
    gridLayout->addWidget(grdSel);
    left->addWidget(gridBox, 1);
    choices_ = right;
    right->addWidget(buildPaperBox());
    right->addWidget(buildButtons());
    right->addStretch();
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 28);
}

PrintScreen::~PrintScreen() = default;

QWidget *PrintScreen::buildFilerBox()
{
    auto *box = new QWidget(this);
    auto *form = new QGridLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    SSDataCombo1 = new QComboBox(box);
    SSDataCombo1->setObjectName(QStringLiteral("SSDataCombo1"));
    SSDataCombo1->setAccessibleName(QStringLiteral("Employer ID"));
    // The drop-down shows the number, establishment and kind of each filer row.
    filers_ = new RecordSetModel(this);
    auto *view = new QTableView(SSDataCombo1);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->horizontalHeader()->setVisible(false);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    SSDataCombo1->setModel(filers_);
    SSDataCombo1->setView(view);
    SSDataCombo1->setMinimumContentsLength(12);
    connect(SSDataCombo1, QOverload<int>::of(&QComboBox::activated), this, &PrintScreen::SSDataCombo1_Click);
    form->addWidget(new QLabel(QStringLiteral("Employer ID"), box), 0, 0);
    form->addWidget(SSDataCombo1, 0, 1);
    if (setup_.employerDetails) {
        const char *const labels[2] = {"Establishment No.", "Filer Type"};
        auto *beeper = new BeepingKeys(ctx_.dialogs, this);
        for (int i = 0; i < 2; ++i) {
            Text2[i] = new QLineEdit(box);
            Text2[i]->setObjectName(QStringLiteral("Text2_%1").arg(i));
            Text2[i]->setAccessibleName(QString::fromLatin1(labels[i]));
            Text2[i]->installEventFilter(beeper);
            form->addWidget(new QLabel(QString::fromLatin1(labels[i]), box), i + 1, 0);
            form->addWidget(Text2[i], i + 1, 1);
        }
    }
    form->setColumnStretch(2, 1);
    return box;
}

QWidget *PrintScreen::buildPaperBox()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *paper = new QGroupBox(QStringLiteral("Select Tax Form Type"), box);
    auto *paperLayout = new QVBoxLayout(paper);
    const char *const captions[3] = {"Cut Sheet", "Continuous", "Mailer"};
    for (int i = 0; i < 3; ++i) {
        Option3D1[i] = new QRadioButton(QString::fromLatin1(captions[i]), paper);
        Option3D1[i]->setObjectName(QStringLiteral("Option3D1_%1").arg(i));
        Option3D1[i]->setProperty("tag", setup_.paperTags.value(i));
        paperLayout->addWidget(Option3D1[i]);
        connect(Option3D1[i], &QRadioButton::clicked, this, [this, i] { Option3D1_Click(i); });
    }
    layout->addWidget(paper);

    auto *adjust = new QGroupBox(QStringLiteral("Adjust Print (1=1/16 inch)"), box);
    auto *adjustLayout = new QGridLayout(adjust);
    const char *const names[2] = {"Down:", "Right:"};
    auto *selecting = new SelectOnFocus(this);
    for (int i = 0; i < 2; ++i) {
        Text1[i] = new QLineEdit(adjust);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setAccessibleName(QString::fromLatin1(names[i]));
        Text1[i]->setMaximumWidth(fontMetrics().averageCharWidth() * 8);
        Text1[i]->installEventFilter(selecting);
        adjustLayout->addWidget(new QLabel(QString::fromLatin1(names[i]), adjust), i, 0);
        adjustLayout->addWidget(Text1[i], i, 1);
    }
    layout->addWidget(adjust);
    return box;
}

bool PrintScreen::printFormSteps(Printer &printer, const TwoUpForm &form, const QVector<qlonglong> &keys,
                                 const QString &noneSelected, OnFailure onFailure)
{
    TwoUpRun run(database(), printer, paperKind(), form, keys.size());
    std::vector<Step> steps = TwoUpSteps(run, database(), form, keys);
    if (keys.isEmpty())
        steps.insert(steps.begin() + 1, [&] { ctx_.dialogs.message(noneSelected, ctx_.state.gAppTitle); });
    return runBusy(steps, onFailure);
}

QPushButton *PrintScreen::addButton(QWidget *box, const QString &caption, const QString &name, const QString &tip,
                                    std::function<void()> click)
{
    auto *button = new QPushButton(caption, box);
    button->setObjectName(name);
    button->setToolTip(tip);
    if (click)
        connect(button, &QPushButton::clicked, this, std::move(click));
    box->layout()->addWidget(button);
    return button;
}

QWidget *PrintScreen::buildButtons()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 3; ++k)
        cmdPrint[k] = addButton(box, setup_.printCaptions.value(k), QStringLiteral("cmdPrint_%1").arg(k), {},
                                [this, k] { cmdPrint_Click(k); });
    cmdTestSheet = addButton(box, QStringLiteral("Print &Test Sheet"), QStringLiteral("cmdTestSheet"),
                             QStringLiteral("Prints on plain paper where every field of the forms would print with "
                                            "the paper type and adjustment chosen here; hold it against a form"),
                             [this] { cmdTestSheet_Click(); });
    cmdPreview = addButton(box, QStringLiteral("Pre&view"), QStringLiteral("cmdPreview"),
                           QStringLiteral("Shows the selected forms, the summary form or the test sheet as they "
                                          "would print, with the outline of every field"),
                           {});
    auto *previews = new QMenu(cmdPreview);
    const std::pair<const char *, Run> choices[] = {
        {"Selected Forms", Forms}, {"Summary Form", SummaryForm}, {"Test Sheet", TestSheet}};
    for (const auto &[caption, run] : choices)
        connect(previews->addAction(QString::fromLatin1(caption)), &QAction::triggered, this,
                [this, run = run] { Preview(run); });
    if (setup_.copies)
        connect(previews->addAction(setup_.copiesPreview), &QAction::triggered, this, [this] { Preview(Copies); });
    cmdPreview->setMenu(previews);
    cmdEfile = addButton(box, setup_.efileCaption, QStringLiteral("cmdEfile"), {}, [this] { createEfile(); });
    if (setup_.copies) {
        cmdCopies = addButton(box, setup_.copiesCaption, QStringLiteral("cmdCopies"),
                              QStringLiteral("Prints the selected records' copies for the people they are about on "
                                             "plain paper, boxes and captions drawn, one sheet each"),
                              [this] { cmdCopies_Click(); });
        cmdCopiesPdf = addButton(box, setup_.copiesPdfCaption, QStringLiteral("cmdCopiesPdf"),
                                 QStringLiteral("Writes the same copies as one PDF file per person into a folder"),
                                 [this] { cmdCopiesPdf_Click(); });
    }
    layout->addSpacing(fontMetrics().height());
    cmdSelectAll =
        addButton(box, QStringLiteral("Select &All records"), setup_.selectAllName, {}, [this] { SelectAll(); });
    cmdHelp = addButton(box, QStringLiteral("&Help"), setup_.helpName, {}, [this] {
        ctx_.help.showTopic(ctx_.state.helpFile.isEmpty() ? ctx_.state.helpFilePath() : ctx_.state.helpFile,
                            setup_.helpTopic);
    });
    cmdExit = addButton(box, QStringLiteral("E&xit"), setup_.exitName, {}, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
    layout->addStretch();
    return box;
}

void PrintScreen::load(const QString &fedIdNo)
{
    fedIdNo_ = fedIdNo;
    loading_ = true;
    ctx_.statusText(setup_.activeStatus);
    runSteps(ctx_, {
                       [&] {
                           filers_->setRecords(filerTable::forPrinting(database(), fedIdNo_), nullptr);
                           SSDataCombo1->setModelColumn(filers_->columnIndex(QStringLiteral("FedIDNo")));
                           if (fedIdNo_.isEmpty() && filers_->rowCount() > 0)
                               fedIdNo_ = filerValue(0, "FedIDNo");
                       },
                       [&] {
                           SSDataCombo1->setCurrentIndex(filers_->rowCount() > 0 ? 0 : -1);
                           if (SSDataCombo1->currentIndex() < 0)
                               SSDataCombo1->setEditText(fedIdNo_);
                           showFilerDetails(SSDataCombo1->currentIndex());
                       },
                       [&] { fillGrid(true); },
                       [&] {
                           Option3D1[0]->setChecked(true);
                           Option3D1_Click(0);
                       },
                       [&] { rebuildSummaries(); },
                   });
    loading_ = false;
}

QString PrintScreen::filerValue(int row, const char *column) const
{
    return filers_->value(row, filers_->columnIndex(QLatin1String(column))).toString();
}

QString PrintScreen::chosenNumber() const
{
    const int row = SSDataCombo1->currentIndex();
    return row >= 0 ? filerValue(row, "FedIDNo") : fedIdNo_;
}

void PrintScreen::showFilerDetails(int row)
{
    if (!setup_.employerDetails)
        return;
    Text2[0]->setText(row >= 0 ? filerValue(row, "EstNo") : QString());
    Text2[1]->setText(row >= 0 ? filerValue(row, "FilerType") : QString());
}

void PrintScreen::fillGrid(bool ordered)
{
    grdSel->setRecords(gridRows(chosenNumber(), ordered));
}

void PrintScreen::addChoice(QWidget *widget)
{
    choices_->insertWidget(0, widget);
}

void PrintScreen::switchForms(const TwoUpForm *form, const QStringList &paperTags)
{
    setup_.form = form;
    setup_.paperTags = paperTags;
    for (int i = 0; i < 3; ++i)
        Option3D1[i]->setProperty("tag", paperTags.value(i));
    Option3D1_Click(paperIndex_);
    runSteps(ctx_, {[&] { fillGrid(true); }});
}

void PrintScreen::SSDataCombo1_Click(int row)
{
    runSteps(ctx_, {[&] { showFilerDetails(row); }, [&] { fillGrid(false); }});
}

void PrintScreen::Option3D1_Click(int index)
{
    runSteps(ctx_, {
                       [&] { paperKind_ = setup_.paperTags.value(index).trimmed(); },
                       [&] {
                           const AlignmentFields fields = LoadAlignment(database(), paperKind_);
                           Text1[0]->setText(fields.down);
                           Text1[1]->setText(fields.right);
                       },
                       [&] { paperIndex_ = index; },
                   });
}

QVector<qlonglong> PrintScreen::selectedKeys() const
{
    QVector<qlonglong> keys;
    const int column = grdSel->model()->columnCount() > 0
                           ? static_cast<RecordSetModel *>(grdSel->model())->columnIndex(keyColumn())
                           : -1;
    if (column < 0 || !grdSel->selectionModel())
        return keys;
    for (const QModelIndex &index : grdSel->selectionModel()->selectedRows())
        keys << grdSel->value(index.row(), column).toLongLong();
    return keys;
}

void PrintScreen::SelectAll()
{
    grdSel->setSelectionMode(QAbstractItemView::MultiSelection);
    grdSel->clearSelection();
    for (int row = 0; row < grdSel->rowCount(); ++row)
        grdSel->selectRow(row);
    grdSel->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

bool PrintScreen::runBusy(const std::vector<std::function<void()>> &steps, OnFailure policy)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The normal pointer comes back before any failure dialog shows.
    std::vector<Step> guarded;
    for (const auto &step : steps) {
        guarded.push_back([step] {
            try {
                step();
            } catch (...) {
                QApplication::restoreOverrideCursor();
                QApplication::setOverrideCursor(Qt::WaitCursor);
                throw;
            }
        });
    }
    const bool completed = runSteps(ctx_, guarded, policy);
    QApplication::restoreOverrideCursor();
    return completed;
}

void PrintScreen::cmdPrint_Click(int run)
{
    const QString formKind = run == Forms ? setup_.paperTags.value(paperIndex_).trimmed() : setup_.summaryForm;
    try {
        StoreAlignment(database(), formKind, {Text1[0]->text(), Text1[1]->text()}, setup_.alignmentReading);
    } catch (const AlignmentInputError &e) {
        ctx_.dialogs.message(QString::fromStdString(e.what()), ctx_.state.gAppTitle, Dialogs::Icon::Exclamation);
        return;
    } catch (const std::exception &e) {
        ErrorDialog(ctx_.dialogs, ctx_.state.gAppTitle, QString::fromStdString(e.what()));
        return;
    }

    printThrough(run != SummaryReport, [&](Printer &out) {
        switch (run) {
        case Forms:
            printForms(out, selectedKeys());
            break;
        case SummaryReport:
            printSummaryReport(out);
            break;
        default:
            printSummaryForm(out);
            break;
        }
    });
}

void PrintScreen::printThrough(bool forms, const std::function<void(Printer &)> &run)
{
    QPrinter printer(QPrinter::HighResolution);
    if (forms)
        PrepareFormPrinter(printer);
    if (!ctx_.dialogs.printerDialog(printer)) {
        if (setup_.cancelIsError)
            ErrorDialog(ctx_.dialogs, ctx_.state.gAppTitle, QStringLiteral("Printing was cancelled."));
        return;
    }
    // Each sheet is a job of its own: a page range would leave whole jobs blank.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    std::unique_ptr<Printer> out;
    try {
        out = makePrinter_(printer);
    } catch (const std::exception &e) {
        ErrorDialog(ctx_.dialogs, ctx_.state.gAppTitle, QString::fromStdString(e.what()));
        return;
    }
    run(*out);
    // Whatever a run left unsent goes out now; a PDF file is closed.
    runSteps(ctx_, {[&] {
                 if (auto *paint = dynamic_cast<PaintPrinter *>(out.get()))
                     paint->finish();
             }},
             OnFailure::EndRun);
}

bool PrintScreen::testSheetRun(std::function<void(Printer &)> &run)
{
    FormOrigin shift;
    try {
        shift = ReadAlignment({Text1[0]->text(), Text1[1]->text()}, setup_.alignmentReading);
    } catch (const AlignmentInputError &e) {
        ctx_.dialogs.message(QString::fromStdString(e.what()), ctx_.state.gAppTitle, Dialogs::Icon::Exclamation);
        return false;
    }
    const QString kind = paperKind_;
    run = [this, kind, shift](Printer &printer) { PrintTestSheet(database(), printer, kind, *setup_.form, shift); };
    return true;
}

void PrintScreen::cmdTestSheet_Click()
{
    std::function<void(Printer &)> sheet;
    if (!testSheetRun(sheet))
        return;
    printThrough(true, [&](Printer &printer) { runBusy({[&] { sheet(printer); }}, OnFailure::EndRun); });
}

bool PrintScreen::copiesToDraw(QVector<qlonglong> &keys)
{
    keys = copyKeys();
    if (keys.isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("No %1 records were selected.").arg(copyForm()->shownForm),
                             ctx_.state.gAppTitle);
        return false;
    }
    try {
        OpenCopyDrawing(database(), copyForm()->form, copyForm()->shownForm);
    } catch (const DbError &e) {
        ctx_.dialogs.message(QString::fromStdString(e.what()), ctx_.state.gAppTitle, Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

void PrintScreen::cmdCopies_Click()
{
    QVector<qlonglong> keys;
    if (!copiesToDraw(keys))
        return;
    printThrough(true, [&](Printer &printer) {
        runBusy({[&] { PrintCopySheets(database(), printer, *copyForm(), keys); }}, OnFailure::EndRun);
    });
}

void PrintScreen::cmdCopiesPdf_Click()
{
    QVector<qlonglong> keys;
    if (!copiesToDraw(keys))
        return;
    const std::optional<QString> folder = ctx_.dialogs.chooseFolder(
        QStringLiteral("Save %1 %2 as PDF files into").arg(copyForm()->shownForm, copyForm()->copiesWord));
    if (!folder)
        return;
    QStringList written;
    if (runBusy({[&] { written = SaveCopiesAsPdf(database(), *copyForm(), keys, *folder); }}, OnFailure::EndRun))
        ctx_.dialogs.message(QStringLiteral("%1 PDF file(s) written to %2, readable by you only.")
                                 .arg(written.size())
                                 .arg(QDir::toNativeSeparators(*folder)),
                             ctx_.state.gAppTitle, Dialogs::Icon::Information);
}

void PrintScreen::Preview(Run run)
{
    const QVector<qlonglong> keys = selectedKeys();
    std::function<void(Printer &)> sheet;
    if (run == TestSheet && !testSheetRun(sheet))
        return;
    if (run == Copies) {
        QVector<qlonglong> chosen;
        if (!copiesToDraw(chosen))
            return;
        sheet = [this, chosen, form = copyForm()](Printer &printer) {
            PrintCopySheets(database(), printer, *form, chosen);
        };
    }
    runSteps(ctx_, {[&] {
                 ShowPrintPreview(this, windowTitle(), run != TestSheet && run != Copies, [&](Printer &printer) {
                     // A preview runs the same code as the print, so it fails the same way.
                     if (run == TestSheet || run == Copies)
                         sheet(printer);
                     else if (run == SummaryForm || keys.isEmpty())
                         printSummaryForm(printer);
                     else
                         printForms(printer, keys);
                 });
             }},
             OnFailure::EndRun);
}

void PrintScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !loading_)
        ctx_.statusText(setup_.activeStatus);
}

void PrintScreen::closeEvent(QCloseEvent *event)
{
    ctx_.statusText(QString());
    QWidget::closeEvent(event);
}

void OpenPrintScreen(MDIForm1 &mainWindow, ScreenId entryScreen, ScreenId printScreen, const FilerKey &filer,
                     const std::function<PrintScreen *()> &make)
{
    mainWindow.closeChild(entryScreen);
    // Opened again: the same screen, loaded afresh for the filer now chosen.
    mainWindow.closeChild(printScreen);
    PrintScreen *screen = make();
    mainWindow.showChild(screen, printScreen);
    screen->load(filer.fedIdNo);
}

} // namespace quillory
