#pragma once

#include "efile/TaxYear.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QLineEdit;

namespace quillory {

struct AppContext;
class MDIForm1;

// Options, "Tax Year...": the year and its limits and rates in Settings, which the W-2 screen,
// its checks and the electronic files use. A year Quillory knows fills in its values; another
// year's are typed. Nothing but the Settings row changes.
class TaxYearDialog : public QDialog {
    Q_OBJECT
public:
    explicit TaxYearDialog(AppContext &ctx, QWidget *parent = nullptr);
    // Shows the dialog over the main window; a stored year renames the "What's changed" item.
    static void open(MDIForm1 &mainWindow);

    // Checks and stores the values and closes; a value that cannot be stored is reported
    // and the dialog stays open.
    void cmdOK_Click();
    // Fills the fields with the values of the known year chosen in cboYear.
    void knownYearChosen();

    enum Field { Year, SSWages, SSTaxPct, SSTaxMax, MDTaxPct, EICMax, W2Box12, FieldCount };
    QLineEdit *txtField[FieldCount];
    QComboBox *cboYear;

private:
    AppContext &ctx_;
    QVector<efile::TaxYearText> known_;
};

} // namespace quillory
