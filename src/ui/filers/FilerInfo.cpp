#include "filers/FilerInfo.h"

#include "data/FilerTable.h"
#include "data/Settings.h"
#include "filers/FilerChecks.h"
#include "shell/InputRoutines.h"
#include "shell/StepRunner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace quillory {

namespace {

const char *const kIdValidationTitle = "Employer ID No Validation";

QLabel *hintPanel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMargin(6);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 96));
    label->setPalette(palette);
    return label;
}

// The filer's text fields, one row each in tab order: index, column, accessible name, label at
// its left (none: the field stands in the labels' column), width in characters, cell of the
// grid (row, the label's column, columns spanned), typing rules, and whether it keeps its width.
struct FilerField {
    int index;
    const char *column;
    const char *name;
    const char *label;
    int chars;
    int row;
    int col;
    int span;
    unsigned keys;
    bool narrow = false;
};
constexpr unsigned kCaps = RecordField::UpperCase;
constexpr unsigned kLetters = RecordField::UpperCase | RecordField::LettersOnly;
const FilerField kFields[] = {
    {FilerInfo::kFedIdNo, "FedIDNo", "Employer ID Number", "Employer ID Number", 12, 1, 0, 1,
     kCaps | RecordField::Numeric},
    {FilerInfo::kEstNo, "EstNo", "Establishment no", "Establishment no", 5, 2, 0, 1, kCaps},
    {FilerInfo::kAddlEin, "AddlEIN", "Other EIN", "Other EIN", 12, 3, 0, 1, kCaps},
    {FilerInfo::kPayerName, "PayerName", "Company Name", "Company Name", 40, 4, 0, 3, kCaps},
    {FilerInfo::kPayerAddress, "PayerL1", "Company address, line 1", nullptr, 40, 5, 1, 3, kCaps},
    {FilerInfo::kPayerAddress + 1, "PayerL2", "Company address, line 2", nullptr, 40, 6, 1, 3, kCaps},
    {FilerInfo::kPayerAddress + 2, "PayerL3", "Company address, line 3", nullptr, 40, 7, 1, 3, kCaps},
    {FilerInfo::kState1, "State1", "1st State", "1st State  ", 3, 9, 0, 1, kLetters, true},
    {FilerInfo::kState1Id, "State1ID", "1st State Tax ID No", "1st State Tax ID No  ", 20, 9, 2, 1, kCaps},
    {FilerInfo::kState2, "State2", "2nd State", "2nd State  ", 3, 10, 0, 1, kLetters, true},
    {FilerInfo::kState2Id, "State2ID", "2nd State Tax ID No", "2nd State Tax ID No  ", 20, 10, 2, 1, kCaps},
    {FilerInfo::kContact, "Contact", "Contact Name", "Contact Name", 30, 11, 0, 1, kCaps},
    {FilerInfo::kPhone, "Phone", "Phone", "Phone", 16, 11, 2, 1, kCaps},
    {FilerInfo::kEmail, "Email", "Email", "Email", 30, 12, 0, 1, kCaps},
    {FilerInfo::kFax, "Fax", "Fax", "Fax", 16, 12, 2, 1, kCaps},
};

} // namespace

const QStringList &FilerInfo::filerTypes()
{
    static const QStringList types = {
        QStringLiteral("941"),  QStringLiteral("Military"),           QStringLiteral("943"),
        QStringLiteral("CT-1"), QStringLiteral("Household Employer"), QStringLiteral("Medicare Govt Employer"),
    };
    return types;
}

FilerInfo::FilerInfo(AppContext &ctx, OpenScreen openScreen, QWidget *parent)
    : RecordScreen(ctx, parent), openScreen_(std::move(openScreen))
{
    setObjectName(QStringLiteral("FilerInfo"));
    setWindowTitle(QStringLiteral("Employer Information"));
    buildForm();

    RecordScreenSetup &s = setup();
    s.table = QStringLiteral("FilerInfo");
    s.rows = &filerTable::all;
    s.firstRecordMessage = QStringLiteral("This is the first employer entered.\rOpening screen in edit mode.");
    s.uniqueColumn = QStringLiteral("FedIDNo");
    s.duplicateMessage = QStringLiteral("FedID already exists");
    s.activeStatus = QStringLiteral("Tax filer information screen");
    s.deletingStatus = QStringLiteral("Deleting Current Employer......");
    s.afterDeleteStatus = QStringLiteral("Employer Screen");
    s.focus.firstField = Text1[kFedIdNo];
    s.focus.afterEdit = false;
    s.focus.afterMove = false;
    s.list.caption = QStringLiteral("List Employers");
    s.list.rows = &filerTable::pickList;
    s.list.columns = {{{}, Twips(1100)}, {{}, Twips(900)}, {{}, Twips(900)}, {{}, Twips(3500)}, {{}, Twips(), true}};
    s.list.keys = {QStringLiteral("FedIDNo"), QStringLiteral("EstNo"), QStringLiteral("FilerType")};
    s.list.area = fieldsArea_;
    s.list.disables = {Panel3D4};
    for (QLineEdit *field : Text1)
        s.list.disables.append(field);

    // "Applied for" comes after FedIDNo, so that it has the last word on it.
    for (const FilerField &f : kFields)
        addField(Text1[f.index], QString::fromLatin1(f.column)).withKeys(f.keys);
    addField(Combo1, QStringLiteral("FilerType")).selectingEntry(QStringLiteral("941"));
    addField(Check3D1, QStringLiteral("AppliedFor"));
    if (irisNames_)
        irisNames_->bind(
            [this](QWidget *field, const QString &column) -> RecordField & { return addField(field, column); },
            QStringLiteral("Payer"));
    connect(Check3D1, &QCheckBox::toggled, this, &FilerInfo::appliedForChanged);

    FillFilerTypes();
}

void FilerInfo::makeFields()
{
    for (const FilerField &f : kFields) {
        auto *edit = new QLineEdit(fieldsArea_);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(f.index));
        edit->setAccessibleName(QString::fromLatin1(f.name));
        edit->setMinimumWidth(fontMetrics().averageCharWidth() * (f.chars + 2));
        Text1[f.index] = edit;
        if (f.index == kFedIdNo) {
            Check3D1 = new QCheckBox(QStringLiteral("Applied for"), fieldsArea_);
            Check3D1->setObjectName(QStringLiteral("Check3D1"));
            Check3D1->setAccessibleName(QStringLiteral("Applied for"));
        } else if (f.index == kEstNo) {
            Combo1 = new QComboBox(fieldsArea_);
            Combo1->setObjectName(QStringLiteral("Combo1"));
            Combo1->setEditable(true);
            Combo1->setInsertPolicy(QComboBox::NoInsert);
            Combo1->setProperty("tag", QStringLiteral("FilerType"));
            Combo1->setAccessibleName(QStringLiteral("Filer type"));
        }
    }
    if (Settings::screenYear(context().state.gDatabase) >= 2025)
        irisNames_ = std::make_unique<IrisNameFields>(fieldsArea_, QStringLiteral("Payer's"));
}

void FilerInfo::buildForm()
{
    fieldsArea_ = new QWidget(this);
    fieldsArea_->setObjectName(QStringLiteral("fieldsArea"));
    makeFields();

    // Each field with its label at its left; the check and the filer type beside the first two.
    auto *grid = new QGridLayout(fieldsArea_);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto place = [&](const char *label, QWidget *field, int row, int column, int span, Qt::Alignment align) {
        if (label) {
            auto *caption = new QLabel(QString::fromLatin1(label), fieldsArea_);
            caption->setBuddy(field);
            grid->addWidget(caption, row, column++);
        }
        grid->addWidget(field, row, column, 1, span, align);
    };
    for (const FilerField &f : kFields)
        place(f.label, Text1[f.index], f.row, f.col, f.span, f.narrow ? Qt::AlignLeft : Qt::Alignment());
    place(nullptr, Check3D1, 1, 2, 2, {});
    place("Filer type", Combo1, 2, 2, 1, {});
    auto *address = new QLabel(
        QStringLiteral("Enter Address  City, State  Zip   as it should appear on your tax forms."), fieldsArea_);
    address->setBuddy(Text1[kPayerAddress]);
    address->setWordWrap(true);
    grid->addWidget(address, 5, 0, 3, 1, Qt::AlignTop);

    const char *const hints[3] = {
        "Enter your Name (Company Name) Information as you want it Printed on your Tax Forms.",
        "If you are reporting  both Federal Tax and State Tax Information for this Company, please indicate the "
        "State Abbreviation and State Tax ID Number for each State to be filed in.  You will be able to indicate "
        "on the individual's form which State to use.",
        "If you have multiple Federal ID Numbers, add all records before proceeding to enter tax payer "
        "information.  You will be able to select the Tax Filer at the employee/recipient entry.",
    };
    if (irisNames_)
        grid->addWidget(irisNames_->group(fieldsArea_), 13, 0, 1, 4);
    const int hintRows[3] = {0, 8, 14};
    for (int i = 0; i < 3; ++i)
        grid->addWidget(hintPanel(fieldsArea_, QStringLiteral("lblHint_%1").arg(i), QString::fromLatin1(hints[i])),
                        hintRows[i], 0, 1, 4);
    grid->setRowStretch(15, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *outer = new QHBoxLayout(this);
    outer->addWidget(fieldsArea_, 1);
    outer->addLayout(makeButtons());
}

QLayout *FilerInfo::makeButtons()
{
    // The record commands in their panel, the moves, the way on.
    Panel3D4 = new QFrame(this);
    Panel3D4->setObjectName(QStringLiteral("Panel3D4"));
    Panel3D4->setFrameShape(QFrame::StyledPanel);
    makeEditButtons({QStringLiteral("&Add"), QStringLiteral("&Edit"), QStringLiteral("&Save"),
                     QStringLiteral("&Cancel"), QStringLiteral("&Delete"), QStringLiteral("&List")});
    auto *panelLayout = new QVBoxLayout(Panel3D4);
    for (QPushButton *button : cmdEdit) {
        button->setParent(Panel3D4);
        panelLayout->addWidget(button);
    }
    makeMoveButtons();
    auto *moves = new QHBoxLayout;
    moves->addWidget(cmdMove[0]);
    moves->addWidget(cmdMove[1]);

    const char *const details[4] = {"&W-2", "1099&Misc", "E&xit", "1099-&NEC"};
    auto *side = new QVBoxLayout;
    side->addWidget(Panel3D4);
    side->addLayout(moves);
    side->addSpacing(fontMetrics().height());
    for (int i : {0, 1, 3, 2}) {
        cmdDetail[i] = makeCommandButton(QString::fromLatin1(details[i]), QStringLiteral("cmdDetail_%1").arg(i),
                                         [this, i] { cmdDetail_Click(i); });
        side->addWidget(cmdDetail[i]);
    }
    side->addStretch();
    return side;
}

void FilerInfo::open(MDIForm1 &mainWindow)
{
    if (mainWindow.raiseChild<FilerInfo>())
        return;
    auto *screen = new FilerInfo(mainWindow.context(), mainWindow.screenOpener());
    mainWindow.showChild(screen, ScreenId::FilerInfo);
    screen->load();
}

void FilerInfo::FillFilerTypes()
{
    Combo1->addItems(filerTypes());
}

void FilerInfo::EnableDetailButtons(bool on)
{
    cmdDetail[0]->setEnabled(on);
    cmdDetail[1]->setEnabled(on);
    cmdDetail[3]->setEnabled(on);
}

QString FilerInfo::captionText() const
{
    if (recordCount() == 0)
        return QStringLiteral("Employer Information - Initial Employer");
    return QStringLiteral("Employer Information - Employer %1 of %2").arg(position()).arg(recordCount());
}

QString FilerInfo::listCaptionText() const
{
    return QStringLiteral("Employer information - record %1 of %2").arg(position()).arg(recordCount());
}

void FilerInfo::openedEmpty()
{
    EnableDetailButtons(true);
    SetCaption(caption::Back);
    SelectComboEntry(Combo1, QStringLiteral("941"));
}

void FilerInfo::recordShown()
{
    FilerKey &filer = context().state.chosenFiler;
    filer.tfid = static_cast<int>(records().integer(QStringLiteral("Tfid")));
    filer.fedIdNo = Text1[kFedIdNo]->text();
    EnableDetailButtons(true);
}

void FilerInfo::recordAdded()
{
    // The number the database gave the new filer.
    context().state.chosenFiler.tfid = static_cast<int>(records().integer(QStringLiteral("Tfid")));
}

void FilerInfo::recordSaved()
{
    context().state.chosenFiler.fedIdNo = Text1[kFedIdNo]->text();
    EnableDetailButtons(true);
}

bool FilerInfo::ValidateFiler()
{
    if (Text1[kFedIdNo]->text().trimmed().isEmpty() && !Check3D1->isChecked()) {
        say(QStringLiteral("Please Enter ID number or check 'Applied For'."));
        if (Text1[kFedIdNo]->isEnabled())
            Text1[kFedIdNo]->setFocus();
        else
            Check3D1->setFocus();
        return false;
    }
    const QStringList missing =
        missingFilerEntries({Text1[kPayerName]->text(), Text1[kPayerAddress]->text(), Text1[kPayerAddress + 1]->text(),
                             Text1[kPayerAddress + 2]->text(), Text1[kState1Id]->text(), Text1[kState2Id]->text(),
                             Text1[kState1]->text(), Text1[kState2]->text()});
    // Missing entries are only a warning: the filer is stored as it is.
    if (!missing.isEmpty())
        context().dialogs.message(missingEntriesMessage(missing), QStringLiteral("Missing employer information"));
    return true;
}

bool FilerInfo::mayDelete()
{
    if (!filerHasReturns(context().state.gDatabase, Text1[kFedIdNo]->text().trimmed()))
        return true;
    say(QStringLiteral("Employee records found!\rEmployer cannot be deleted"));
    return false;
}

void FilerInfo::cmdDetail_Click(int index)
{
    if (index == 2) {
        closeScreen();
        return;
    }
    FilerKey &filer = context().state.chosenFiler;
    filer.fedIdNo = Text1[kFedIdNo]->text().trimmed();
    filer.estNo = Text1[kEstNo]->text().trimmed();
    filer.filerType = Combo1->currentText().trimmed();
    if (filer.fedIdNo.isEmpty()) {
        say(QStringLiteral("No current employer selected"));
        return;
    }
    if (openScreen_)
        openScreen_(index == 0 ? ScreenId::W2 : index == 3 ? ScreenId::Nec1099 : ScreenId::Misc1099, filer);
    closeScreen();
}

void FilerInfo::appliedForChanged(bool ticked)
{
    // An applied-for number is held as "AF" until the real one arrives.
    if (ticked) {
        Text1[kFedIdNo]->setText(QStringLiteral("AF"));
        Text1[kFedIdNo]->setEnabled(false);
    } else {
        Text1[kFedIdNo]->setEnabled(true);
    }
}

void FilerInfo::listModeEnded()
{
    // The list enabled every field; an applied-for number stays out of reach.
    Text1[kFedIdNo]->setEnabled(!Check3D1->isChecked());
    if (!Text1[kFedIdNo]->isEnabled())
        Text1[kEstNo]->setFocus();
}

void FilerInfo::activated()
{
    context().statusText(setup().activeStatus);
    if (Text1[kFedIdNo]->isEnabled())
        Text1[kFedIdNo]->setFocus();
    else
        Text1[kEstNo]->setFocus();
}

bool FilerInfo::fieldLeft(const RecordField &field)
{
    if (!isChanged())
        return true;
    if (field.control == Text1[kFedIdNo] && !Check3D1->isChecked())
        return checkIdNumber();
    if (field.control == Text1[kState1] || field.control == Text1[kState2])
        return checkStateCode(static_cast<QLineEdit *>(field.control));
    return true;
}

bool FilerInfo::checkIdNumber()
{
    const QString title = QString::fromLatin1(kIdValidationTitle);
    switch (idNumberForm(Text1[kFedIdNo]->text())) {
    case IdNumberForm::Malformed:
        say(QStringLiteral("You have entered an incorrect Employer ID No\r\nEnter a SSN as 999-99-9999 or an FEIN as "
                           "99-9999999"),
            Dialogs::Icon::Critical);
        refocus(Text1[kFedIdNo]);
        return false;
    case IdNumberForm::Fein:
        if (context().dialogs.message(QStringLiteral("You have entered a Company FEIN Number"), title,
                                      Dialogs::Icon::None, Dialogs::Buttons::YesNo) == Dialogs::Answer::No) {
            say(QStringLiteral("If you are entering a SSN, please enter as 999-99-9999"), Dialogs::Icon::Exclamation);
            refocus(Text1[kFedIdNo]);
            return false;
        }
        return true;
    case IdNumberForm::Ssn:
        if (context().dialogs.message(QStringLiteral("You have entered a Social Security Number"), title,
                                      Dialogs::Icon::None, Dialogs::Buttons::YesNo) == Dialogs::Answer::No) {
            say(QStringLiteral("If you are entering an FEIN, please enter as 99-9999999"), Dialogs::Icon::Exclamation);
            refocus(Text1[kFedIdNo]);
            return false;
        }
        return true;
    case IdNumberForm::Unchecked:
        break;
    }
    return true;
}

bool FilerInfo::checkStateCode(QLineEdit *field)
{
    const QString code = field->text();
    if (code.isEmpty())
        return true;
    std::optional<bool> known;
    runSteps(context(), {[&] { known = isStateAbbreviation(context().state.gDatabase, code); }});
    if (known && !*known) {
        say(QStringLiteral("Invalid State Abbreviation"));
        refocus(field);
        return false;
    }
    return true;
}

} // namespace quillory
