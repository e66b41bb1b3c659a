#pragma once

#include "printing/Alignment.h"
#include "shell/AppContext.h"
#include "shell/RecordGrid.h"
#include "shell/StepRunner.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace quillory {

class MDIForm1;
enum class ScreenId;
class Printer;
struct TwoUpForm;
struct CopyForm;

// What sets one print screen apart from its twin.
struct PrintScreenSetup {
    QString objectName;   // "PrtSelW2"
    QString caption;      // "Print W-2 Documents"
    QString activeStatus; // status text while the screen is active
    QString gridCaption;
    QVector<GridColumn> gridColumns;
    QStringList paperTags; // cut sheet, continuous, mailer
    QStringList printCaptions;
    QString summaryForm;             // the form kind the summary buttons store the alignment under
    const TwoUpForm *form = nullptr; // the forms, for the test sheet
    AlignmentReading alignmentReading = AlignmentReading::LeadingNumber;
    bool cancelIsError = false;   // a cancelled printer dialog shows the failure dialog
    bool employerDetails = false; // shows the chosen filer's establishment number and kind
    QString selectAllName, helpName, exitName;
    QString efileCaption; // the button that writes the electronic file
    // Copies drawn on plain paper for the people the records are about; none: no such buttons.
    const CopyForm *copies = nullptr;
    QString copiesCaption;    // "Print &Employee Copies"
    QString copiesPdfCaption; // "Save Copies as P&DF..."
    QString copiesPreview;    // the preview menu's entry: "Employee Copies"
    int helpTopic = 0;
};

// A screen on which the user picks a filer, selects its records in a grid, chooses the kind
// of paper and the alignment, and starts one of three print runs: the selected forms, the
// summary report or the summary form. A test sheet shows on plain paper where the forms would
// print with the alignment typed; a preview shows a run as it would print.
class PrintScreen : public QWidget {
    Q_OBJECT
public:
    enum Run { Forms = 0, SummaryReport = 1, SummaryForm = 2, TestSheet = 3, Copies = 4 };
    using PrinterFactory = std::function<std::unique_ptr<Printer>(QPrinter &)>;

    ~PrintScreen() override;

    // Fills the filer list, the grid and the alignment fields and rebuilds the summaries. The
    // list holds the filers with this number, or every filer (the first shown) when it is empty.
    void load(const QString &fedIdNo = {});

    // The controls' actions.
    void SSDataCombo1_Click(int row);
    void Option3D1_Click(int index);
    void cmdPrint_Click(int run);
    void cmdTestSheet_Click();
    // The selected records' copies on plain paper: printed, a sheet per person, or saved as a
    // PDF file per person into a chosen folder.
    void cmdCopies_Click();
    void cmdCopiesPdf_Click();
    void SelectAll();
    // Shows the selected forms, the summary form or the test sheet as they would print.
    void Preview(Run run);

    QString paperKind() const { return paperKind_; }
    // The keys of the selected grid rows in the order they were selected.
    QVector<qlonglong> selectedKeys() const;
    // Tests print into their own printer instead of a real one.
    void setPrinterFactory(PrinterFactory factory) { makePrinter_ = std::move(factory); }

    QComboBox *SSDataCombo1;
    QLineEdit *Text2[2] = {nullptr, nullptr};
    RecordGrid *grdSel;
    QRadioButton *Option3D1[3];
    QLineEdit *Text1[2];
    QPushButton *cmdPrint[3];
    QPushButton *cmdTestSheet;
    QPushButton *cmdSelectAll;
    QPushButton *cmdHelp;
    QPushButton *cmdExit;
    QPushButton *cmdPreview;
    QPushButton *cmdEfile;
    QPushButton *cmdCopies = nullptr; // only where the screen has copies to draw
    QPushButton *cmdCopiesPdf = nullptr;

protected:
    PrintScreen(AppContext &ctx, PrintScreenSetup setup, QWidget *parent = nullptr);
    AppContext &context() { return ctx_; }
    Database &database() { return ctx_.state.gDatabase; }

    // The grid's rows for a filer number; ordered as the screen opens, in the database's
    // order after another filer is chosen where ordered is false.
    virtual RecordSet gridRows(const QString &fedIdNo, bool ordered) = 0;
    // The name of the grid column that holds a record's key.
    virtual QString keyColumn() const = 0;
    virtual void rebuildSummaries() = 0;
    // The three runs, given a printer; each handles its own failures and status texts.
    virtual void printForms(Printer &printer, const QVector<qlonglong> &keys) = 0;
    // Prints the forms of the keys by the run's steps, telling when none are selected; a failed
    // step asks as `onFailure` says. True when the run went through.
    bool printFormSteps(Printer &printer, const TwoUpForm &form, const QVector<qlonglong> &keys,
                        const QString &noneSelected, OnFailure onFailure);
    virtual void printSummaryReport(Printer &printer) = 0;
    virtual void printSummaryForm(Printer &printer) = 0;
    // Writes the electronic file of these records.
    virtual void createEfile() = 0;
    // The copies the copy buttons draw and the records they draw them for: the screen's own and
    // the selected rows unless the screen offers a choice.
    virtual const CopyForm *copyForm() const { return setup_.copies; }
    virtual QVector<qlonglong> copyKeys() { return selectedKeys(); }
    // Runs the steps of a busy run with the wait cursor; failures go to the failure dialog.
    bool runBusy(const std::vector<std::function<void()>> &steps, OnFailure policy);

    // The filer number shown in the combo box.
    QString chosenNumber() const;

    // Puts a widget at the top of the column of paper and print choices.
    void addChoice(QWidget *widget);
    // Prints other forms from now on: their test sheet, paper kinds and alignment, and the grid
    // lists their records.
    void switchForms(const TwoUpForm *form, const QStringList &paperTags);

    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Shows the printer dialog and runs the print on the printer chosen; forms go out on their
    // own pages whatever paper the printer was set to.
    void printThrough(bool forms, const std::function<void(Printer &)> &run);
    // The test sheet of the chosen paper kind with the alignment shown; false when it cannot be read.
    bool testSheetRun(std::function<void(Printer &)> &run);
    // The selected keys when some are selected and the tax year has a drawing; a message otherwise.
    bool copiesToDraw(QVector<qlonglong> &keys);
    void fillGrid(bool ordered);
    QString filerValue(int row, const char *column) const;
    void showFilerDetails(int row);
    QWidget *buildFilerBox();
    QWidget *buildPaperBox();
    QWidget *buildButtons();
    // A button of the column, its tooltip and what a click does (none: a menu button).
    QPushButton *addButton(QWidget *box, const QString &caption, const QString &name, const QString &tip,
                           std::function<void()> click);

    AppContext &ctx_;
    PrintScreenSetup setup_;
    QVBoxLayout *choices_ = nullptr;
    PrinterFactory makePrinter_;
    RecordSetModel *filers_;
    QString paperKind_;
    int paperIndex_ = 0;
    bool loading_ = true;
    QString fedIdNo_; // the filer number shown when the list has none
};

// Opens a print screen as a child of the main window: the entry screen of the same records
// closes first, and an open print screen of the kind is brought forward.
void OpenPrintScreen(MDIForm1 &mainWindow, ScreenId entryScreen, ScreenId printScreen, const FilerKey &filer,
                     const std::function<PrintScreen *()> &make);

} // namespace quillory
