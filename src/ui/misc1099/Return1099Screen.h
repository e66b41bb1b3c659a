#pragma once

#include "misc1099/Misc1099Rules.h"
#include "misc1099/ReturnEditions.h"
#include "shell/IrisNameFields.h"
#include "shell/MainWindow.h"
#include "shell/RecordScreen.h"

#include <QHash>
#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace quillory {

class PaperForm;
class StateBox;

// What the 1099-MISC and 1099-NEC screens share: the payer, the recipient block, the state
// lines filled from the payer's states, the buttons, the year's checks, and the form of a tax
// year from 2025 on built from its edition's table of boxes.
class Return1099Screen : public RecordScreen {
    Q_OBJECT
public:
    // The check run by Save before a record is stored.
    bool ValidateRecord();
    // 0 Add, 1 Edit, 2 Save, 3 Cancel, 4 Delete, 5 List, 6 Print, 7 Exit.
    void cmdEdit_Click(int index) override;

    int payerTfid() const { return payerKey_.tfid; }
    const PayerDetails &payer() const { return payer_; }
    // The database's tax year when the screen was made (0 when it could not be read).
    int taxYear() const { return year_; }
    // The form edition shown; nullptr for the 1099-MISC screen of a year before 2025.
    const ReturnEdition *edition() const { return edition_; }

    // The recipient block's text fields by index; the others are unused.
    enum Field : int {
        kRecipientName = 4, // and its second line, 5
        kRecipientId = 6,
        kStreet = 7,
        kCity = 8,
        kAccount = 9,
    };
    // The payer's state number of each state line, filled by the state box of the same index.
    static constexpr int kStateNumber[2] = {20, 26};
    // The check boxes by index (the 1099-MISC of a year before 2025 adds its box 9 as 2).
    enum Check : int { kSecondTin = 0, kCorrected = 1 };

    QLineEdit *Text1[34] = {};
    QCheckBox *Check1[3] = {};
    StateBox *cboState[27] = {};
    QLabel *lblEmployer[4] = {};
    QFrame *Panel3D1 = nullptr;
    // The boxes of an edition's form by column: line edits and check boxes.
    QHash<QString, QWidget *> boxFields;

protected:
    // What comes before an entry screen of 1099s opens: the print screen closes, and a screen of
    // the type left open for another payer; false when one is open for the payer (then brought
    // forward). Then the offer to move 1099-MISC box 7 amounts to 1099-NEC returns.
    static bool prepareOpening(MDIForm1 &mainWindow, ScreenId which, const QMetaObject &type, const FilerKey &payer);

    // The form's name ("1099-MISC"), the table of its rows and the words that set it apart.
    struct Kind {
        QString form;
        QString table;
        QString objectName;
        QString captionName; // "1099 Misc" in "1099 Misc information for employer ..."
        QString activeStatus;
        QString deletingStatus;
    };
    Return1099Screen(AppContext &ctx, Kind kind, const ReturnEdition *(*editionOf)(int), const FilerKey &payer,
                     OpenScreen openScreen, QWidget *parent);

    // Makes the recipient's fields, with their captions on the form of the year; then its two
    // marks (2nd TIN notice, Corrected).
    struct RecipientCaptions {
        const char *id, *name, *street, *city, *account;
    };
    void makeRecipientFields(const RecipientCaptions &captions);
    void makeRecipientChecks();
    // The state box of a line, storing its code in the column; its number goes in Text1[kStateNumber].
    void makeStateBox(int line, const QString &codeColumn, const QString &name);
    void makeLabels();
    QWidget *stateLine(int line);
    QLabel *lblFedIDNo() const { return lblFedIDNo_; }
    // The form at the right of the buttons under the "Corrected" box; the tab order.
    void placeForm(PaperForm *form, const QVector<QWidget *> &tabOrder);
    // The whole screen of a tax year from 2025 on, built from the edition's boxes.
    void buildEditionForm();
    // Finishes the set-up once the fields are made.
    void finishSetup();

    void loadData() override;
    QString captionText() const override;
    QString listCaptionText() const override;
    bool validateRecord() override { return ValidateRecord(); }
    void writeExtraColumns(RecordSet &record) override;
    void deactivated() override;

    // A line edit of the form: named, with its accessible name and a width of `chars` characters.
    QLineEdit *newLineEdit(const QString &name, const QString &accessible, int chars);

private:
    QWidget *editionBox(const BoxRow &row);
    // The paper form of an edition with its first boxes: the payer's and the recipient's.
    PaperForm *editionPayerAndRecipient();
    void connectStateBox(int index);
    void fillStateNumber(int index);
    // The amount a box shows, for the threshold check (a ticked mark counts as 1 cent).
    Money shownAmount(const QString &column) const;

    Kind kind_;
    OpenScreen openScreen_;
    int year_ = 0;
    const ReturnEdition *edition_ = nullptr;
    QWidget *fieldsArea_ = nullptr;
    // The recipient's name as IRIS takes it, on the forms from 2025.
    std::unique_ptr<IrisNameFields> irisNames_;
    QLabel *lblFedIDNo_ = nullptr;
    PayerDetails payer_;
    // The payer's columns as every record stores them.
    PayerCopy payerKey_;
};

// For a database of 2025 or later, once: asks whether to move the 1099-MISC box 7 amounts to
// 1099-NEC returns (see offerNecMove); failures go to the failure dialog.
void offerBox7Move(AppContext &ctx);

} // namespace quillory
