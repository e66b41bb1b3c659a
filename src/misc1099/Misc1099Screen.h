#pragma once

#include "misc1099/Misc1099Rules.h"
#include "shell/MainWindow.h"
#include "shell/RecordScreen.h"

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace quillory {

class StateBox;

// The 1099-MISC screen: the 1099-MISC records of one payer, one at a time, in fields laid out
// like the paper form.
class Misc1099 : public RecordScreen {
    Q_OBJECT
public:
    using OpenScreen = std::function<void(ScreenId)>;

    explicit Misc1099(AppContext &ctx, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the screen for the payer of the program-wide state, closing the 1099 print screen
    // and a screen left open for another payer.
    static void open(MDIForm1 &mainWindow);

    // The check run by Save before a record is stored.
    bool ValidateRecord();
    // 0 Add, 1 Edit, 2 Save, 3 Cancel, 4 Delete, 5 List, 6 Print, 7 Exit.
    void cmdEdit_Click(int index) override;

    int payerTfid() const { return payerKey_.tfid; }
    const PayerDetails &payer() const { return payer_; }

    // Text1 by index, as the fields are numbered: 3 and 24 box 15, 4 and 5 the recipient's
    // name, 6 its number, 7 street, 8 city, 9 account, 10-18 boxes 1 to 10, 20 and 26 the
    // payer's state numbers, 28 box 13, 29 box 14, 30-33 boxes 16 and 18. The others are unused.
    QLineEdit *Text1[34] = {};
    // 0 "2nd TIN Not.", 1 "Corrected", 2 box 9.
    QCheckBox *Check1[3] = {};
    // 20 line 1, 26 line 2: each fills the payer's state number of the same index.
    StateBox *cboState[27] = {};
    QLabel *lblEmployer[4] = {};
    QFrame *Panel3D1 = nullptr;

protected:
    void loadData() override;
    QString captionText() const override;
    QString listCaptionText() const override;
    bool validateRecord() override { return ValidateRecord(); }
    void writeExtraColumns(RecordSet &record) override;
    void deactivated() override;

private:
    void buildForm();
    void setTabOrder();
    void connectStateBox(int index);
    // The payer's number for the state shown in the box, or empty text when there is none.
    void fillStateNumber(int index);

    OpenScreen openScreen_;
    QWidget *fieldsArea_ = nullptr;
    QLabel *lblFedIDNo_ = nullptr;
    PayerDetails payer_;
    // The payer's columns as every record stores them.
    PayerCopy payerKey_;
};

} // namespace quillory
