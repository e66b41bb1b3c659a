#pragma once

#include "efile/IrisNames.h"

#include <QDialog>
#include <QVector>

class QCheckBox;
class QSpinBox;
class QVBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quillory {

struct AppContext;

// "Create IRIS Upload...": the form type, the blank template downloaded from the IRIS Taxpayer
// Portal (remembered per form type and tax year), the names still to be split (proposed, for
// the user to correct and confirm), then the files written into a chosen folder.
class IrisUploadDialog : public QDialog {
    Q_OBJECT
public:
    IrisUploadDialog(AppContext &ctx, const QString &chosenPayer, QWidget *parent = nullptr);

    // Stores the names as the table shows them.
    void cmdConfirm_Click();
    // Checks, and when nothing stands in the way writes the files.
    void cmdCreate_Click();

    QComboBox *cboForm;
    QLineEdit *txtTemplate;
    QPushButton *cmdBrowse;
    QCheckBox *chkAllPayers;
    QSpinBox *spnRowsPerFile;
    QTableWidget *grdNames;
    QPushButton *cmdConfirm;
    QPushButton *cmdCreate;

    enum NameColumn { Who, NameLine, Kind, First, Middle, Last, Suffix, NameColumns };

private:
    // The form type, the template, the payers and the returns per file.
    void makeChoices(QVBoxLayout *layout);
    QString form() const;
    QString payerScope() const;
    // The template remembered for the form type.
    void loadTemplate();
    // The names to split, for the form type and payers chosen.
    void reload();

    AppContext &ctx_;
    QString chosenPayer_;
    QString year_;
    QLabel *lblNames_;
    QVector<efile::UnsplitName> unsplit_;
};

// Opens the dialog over the print screen.
void CreateIrisUpload(AppContext &ctx, const QString &chosenPayer, QWidget *parent);

} // namespace quillory
