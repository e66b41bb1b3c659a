#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillory {

struct AppContext;
class MDIForm1;

// Options, "E-file Submitter...": who sends the electronic W-2 and 1099 files.
class EfileSubmitterDialog : public QDialog {
    Q_OBJECT
public:
    explicit EfileSubmitterDialog(AppContext &ctx, QWidget *parent = nullptr);
    // Shows the dialog over the main window until the user closes it.
    static void open(MDIForm1 &mainWindow);

    // Stores the fields and closes; on a failure the dialog stays open.
    void cmdOK_Click();

    enum Field { EIN, UserID, TCC, Name, Address, City, State, ZIP, Contact, Phone, Email, FieldCount };
    QLineEdit *txtField[FieldCount];
    QComboBox *cboPreparer;
    QCheckBox *chkTestFile;

private:
    AppContext &ctx_;
};

} // namespace quillory
