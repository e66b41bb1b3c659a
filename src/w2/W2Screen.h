#pragma once

#include "shell/MainWindow.h"
#include "shell/RecordScreen.h"
#include "w2/W2Employer.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillory {

// The W-2 screen: the W-2s of one employer, one at a time, in fields laid out like the paper
// form, checked against the year's limits before they are stored.
class W2 : public RecordScreen {
    Q_OBJECT
public:
    using OpenScreen = std::function<void(ScreenId)>;

    // The employer is the one gTfid names when the screen is made.
    explicit W2(AppContext &ctx, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the screen in the main window for the chosen employer, or brings forward the one
    // already open for it.
    static void open(MDIForm1 &mainWindow);

    // The check run by Save before a W-2 is stored.
    bool ValidateRecord();
    // 0 Add, 1 Edit, 2 Save, 3 Cancel, 4 Delete, 5 List, 6 Print, 7 Exit.
    void cmdEdit_Click(int index) override;

    QSize sizeHint() const override;
    const W2Employer &employer() const { return employer_; }
    Dialogs::Answer lastAnswer() const { return lastAnswer_; }

    // The text fields by index, as on the paper form's boxes (no 4, 5, 31, 40, 43 to 45):
    // 0 control number, 1-2 names, 3 sick pay, 6-8 address, 9-14 and 46-47 box 12 rows,
    // 15-17 box 14, 18-19 locality, 20-30 boxes 1 to 11, 32-36 state line 1, 37-42 line 2.
    QLineEdit *Text1[48] = {};
    QLineEdit *MaskedEdit1;
    QCheckBox *chkOpt[5] = {};
    QLabel *LabelOpt[5] = {};
    QComboBox *cboState[2];
    QLabel *lblEmployer[4];
    QLabel *lblEmployerId;
    QWidget *Panel3D1;

    static constexpr int kStateIdField[2] = {32, 37};

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
    void buildForm();
    void declareFields();
    void fillControlNumber();
    void sickPayClicked();
    void statePicked(int line, const QString &id);
    void clearStateLine(int line);

    OpenScreen openScreen_;
    W2Employer employer_;
    Settings limits_;
    QWidget *formArea_;
    QLabel *lblFormTitle_;
    Dialogs::Answer lastAnswer_ = Dialogs::Answer::Ok;
};

} // namespace quillory
