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

class PaperForm;
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

    // The text fields' indexes; the others are unused.
    enum Field : int {
        kRecipientName = 4, // and its second line, 5
        kRecipientId = 6,
        kStreet = 7,
        kCity = 8,
        kAccount = 9,
        kBox1 = 10,
        kBox2 = 11,
        kBox3 = 12,
        kBox4 = 13,
        kBox6 = 14,
        kBox8 = 15,
        kBox10 = 16,
        kBox5 = 17,
        kBox7 = 18,
        kBox13 = 28,
        kBox14 = 29,
    };
    // Each two-line box, line 1 and line 2: box 15, box 16, the payer's state number (box 17,
    // each filled by the state box of the same index) and box 18.
    static constexpr int kBox15[2] = {3, 24};
    static constexpr int kBox16[2] = {30, 31};
    static constexpr int kStateNumber[2] = {20, 26};
    static constexpr int kBox18[2] = {32, 33};
    // The check boxes by index.
    enum Check : int { kSecondTin = 0, kCorrected = 1, kBox9 = 2 };

    QLineEdit *Text1[34] = {};
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
    // The fields, in the order they are shown and stored; then the paper form that holds them.
    void makeFields();
    void makeLabels();
    void buildForm();
    QWidget *stateLine(int line);
    void makeSideNotes(PaperForm &form);
    // The form under the "Corrected" box, the buttons at its left; the tab order.
    void placeForm(PaperForm *form);
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
