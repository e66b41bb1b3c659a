#pragma once

#include "shell/IrisNameFields.h"
#include "shell/MainWindow.h"
#include "shell/RecordScreen.h"

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace quillory {

// The filer screen: one FilerInfo row at a time, with its checks, and the way on to the
// W-2 and 1099-MISC screens of the filer shown.
class FilerInfo : public RecordScreen {
    Q_OBJECT
public:
    explicit FilerInfo(AppContext &ctx, OpenScreen openScreen = {}, QWidget *parent = nullptr);
    // Opens the screen in the main window, or brings the open one forward.
    static void open(MDIForm1 &mainWindow);

    static const QStringList &filerTypes();

    void FillFilerTypes();
    void EnableDetailButtons(bool on);
    // The check run by Save before a filer is stored.
    bool ValidateFiler();
    // 0 "&W-2", 1 "1099&Misc", 2 "E&xit", 3 "1099-&NEC" (shown below 1099&Misc).
    void cmdDetail_Click(int index);

    // The text fields' indexes (their columns, names and places are in the screen's table).
    enum Field : int {
        kFedIdNo,
        kPayerName,
        kPayerAddress, // and the next two lines
        kState1Id = 5,
        kState2Id,
        kState1,
        kState2,
        kEstNo,
        kAddlEin,
        kContact,
        kPhone,
        kEmail,
        kFax,
    };
    QLineEdit *Text1[15];
    QComboBox *Combo1;
    QCheckBox *Check3D1;
    QFrame *Panel3D4;
    QPushButton *cmdDetail[4];

protected:
    QString captionText() const override;
    QString listCaptionText() const override;
    void openedEmpty() override;
    void recordShown() override;
    void recordAdded() override;
    void recordSaved() override;
    bool validateRecord() override { return ValidateFiler(); }
    bool mayDelete() override;
    void listModeEnded() override;
    void activated() override;
    bool fieldLeft(const RecordField &field) override;

private:
    void makeFields();
    void buildForm();
    QLayout *makeButtons();
    bool checkIdNumber();
    bool checkStateCode(QLineEdit *field);
    void appliedForChanged(bool ticked);

    OpenScreen openScreen_;
    QWidget *fieldsArea_;
    // The payer's name as IRIS takes it, for a database on tax year 2025 or later.
    std::unique_ptr<IrisNameFields> irisNames_;
};

} // namespace quillory
