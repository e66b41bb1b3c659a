#pragma once

#include "data/TaxYears.h"
#include "shell/MainWindow.h"
#include "shell/RecordScreen.h"
#include "w2/W2Employer.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillory {

class PaperForm;
class StateBox;

// The W-2 screen: the W-2s of one employer, one at a time, in fields laid out like the paper
// form, checked against the year's limits before they are stored.
class W2 : public RecordScreen {
    Q_OBJECT
public:
    // The W-2s of the employer given; the screen reads the rest of its row when it loads.
    W2(AppContext &ctx, const FilerKey &employer, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the screen in the main window for the employer, or brings forward the one already
    // open for it.
    static void open(MDIForm1 &mainWindow, const FilerKey &employer);

    // The check run by Save before a W-2 is stored.
    bool ValidateRecord();
    // 0 Add, 1 Edit, 2 Save, 3 Cancel, 4 Delete, 5 List, 6 Print, 7 Exit.
    void cmdEdit_Click(int index) override;

    QSize sizeHint() const override;
    const W2Employer &employer() const { return employer_; }
    Dialogs::Answer lastAnswer() const { return lastAnswer_; }

    // The text fields' indexes (no 4, 5, 31, 40, 43 to 45).
    enum Field : int {
        kControlNumber = 0,
        kFirstName = 1,
        kLastName = 2,
        kSickPay = 3,
        kAddress1 = 6, // and the next two lines
        kBox14 = 15,   // and the next two lines
        kBox1 = 20,    // and boxes 2 to 11 after it
        kBox14b = 48,  // and the second code; only where the year's W-2 has box 14b
    };
    static constexpr int kBox12Code[4] = {9, 11, 13, 47};
    static constexpr int kBox12Amount[4] = {10, 12, 14, 46};
    // Each state line: state ID, state wages, state income tax, local wages, local income tax,
    // locality name.
    static constexpr int kStateLine[2][6] = {{32, 33, 34, 35, 36, 18}, {37, 38, 39, 41, 42, 19}};
    // The check boxes of box 13 by index.
    enum Option : int { kStatutory = 0, kRetirementPlan = 2, kThirdPartySickPay = 4 };

    QLineEdit *Text1[50] = {};
    QLineEdit *MaskedEdit1;
    QCheckBox *chkOpt[5] = {};
    QLabel *LabelOpt[5] = {};
    QComboBox *cboState[2];
    QLabel *lblEmployer[4];
    QLabel *lblEmployerId;
    QWidget *Panel3D1;

protected:
    // The employer and the year's limits, read before the employer's W-2s.
    void loadData() override;
    QString captionText() const override;
    void openedEmpty() override;
    void addStarted() override;
    bool validateRecord() override { return ValidateRecord(); }
    void writeExtraColumns(RecordSet &row) override;
    void deactivated() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The fields of the year's form from the form's table, bound in its order; then the paper
    // form that holds them.
    void makeFields();
    bool onForm(int row) const;
    QWidget *fieldOf(int row) const;
    QLineEdit *makeLineEdit(int index, bool amount, bool shown);
    void bindSsn(RecordField &ssn);
    QCheckBox *makeMark(int index, const QString &caption);
    StateBox *makeStateBox(int line);
    void makeLabels();
    void buildForm();
    // The title and the employer's boxes b and c, in the first band of the form.
    void addEmployerBoxes(PaperForm &form);
    QWidget *box12Row(const QString &letter, QWidget *code, QWidget *amount);
    QWidget *box13Marks(const QVector<QWidget *> &fields);
    void fillControlNumber();
    void sickPayClicked();
    void statePicked(int line, const QString &id);
    void clearStateLine(int line);

    OpenScreen openScreen_;
    W2Employer employer_;
    Settings limits_;
    W2YearForm form_; // the boxes are laid out for the year the database is on when the screen opens
    QWidget *formArea_;
    QLabel *lblFormTitle_;
    Dialogs::Answer lastAnswer_ = Dialogs::Answer::Ok;
};

} // namespace quillory
