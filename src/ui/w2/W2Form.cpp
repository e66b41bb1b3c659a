#include "w2/W2Screen.h"

#include "shell/PaperForm.h"
#include "shell/StateBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <tuple>

// The W-2 screen's fields and the paper form they stand on, from one table.
namespace quillory {

namespace {

const unsigned kUpper = RecordField::UpperCase;
const unsigned kDigits = RecordField::Numeric;

// What a row's field is: the SSN (masked), text, an amount (set at the right), text filled in
// by the screen, a box 12 code (after the box's letter), a box 13 mark, a state choice.
enum class Kind { Ssn, Text, Amount, Shown, Code, Mark, State };
// Which forms have the row: all, those with the SSN in box a (else in box d), those with box
// 14 split into 14a and 14b (else one box 14).
enum class When { Always, SsnInBoxA, ControlInBoxA, Box14b, NoBox14b };

// One field of the form, in the order Tab (and Enter) walk them and they are bound: what it is,
// its index in Text1, chkOpt or cboState, its column, accessible name, width in characters (and
// at most, 0 none), where its box stands (band 0 the boxes, 1 the state lines; rows of one cell
// share a box, which takes its number and caption from the first), typing rules and, for an
// amount, the longest entry its box holds.
struct Row {
    When when;
    Kind kind;
    int index;
    const char *column;
    const char *name;
    int chars;
    int maxChars;
    int band;
    PaperForm::Cell cell;
    const char *boxNo;   // box 12: the letter shown before its code
    const char *caption; // none: the field's accessible name
    unsigned keys;
    int amountLength;
};

const char *const kBox12 = "12.  See Instrs. for Box 12";
const char *const kBox14b = "14b. Treasury tipped occupation code(s)";

// Form W-2: the early-2000s form of 2001 (control number in box a, one box 14) and the form of
// 2025 on (Form W-2 (2026): SSN in box a, control number in box d, boxes 14a and 14b).
// clang-format off
const Row kRows[] = {
    {When::SsnInBoxA, Kind::Ssn, 0, "Boxd", "Employee's SSN",
     13, 16, 0, {0, 0, 1, 2}, "a", "Employee's social security number", 0, 0},
    {When::ControlInBoxA, Kind::Ssn, 0, "Boxd", "Employee's SSN", 13, 16, 0, {5, 0, 1, 2}, "d", "Employee's SSN", 0, 0},
    {When::Always, Kind::Text, W2::kFirstName, "Boxe_FName", "Employee's first name and initial",
     13, 0, 0, {6, 0}, "e", "Employee's first name and initial", kUpper, 0},
    {When::Always, Kind::Text, W2::kLastName, "Boxe_LName", "Last name", 15, 0, 0, {6, 1}, "", "Last name", kUpper, 0},
    {When::Always, Kind::Text, W2::kAddress1, "Boxf_L1", "Employee's address and ZIP code, line 1",
     28, 0, 0, {7, 0, 3, 2}, "f", "Employee's address and ZIP code", kUpper, 0},
    {When::Always, Kind::Text, W2::kAddress1 + 1, "Boxf_L2", "Employee's address and ZIP code, line 2",
     28, 0, 0, {7, 0, 3, 2}, "", "", kUpper, 0},
    {When::Always, Kind::Text, W2::kAddress1 + 2, "Boxf_L3", "Employee's address and ZIP code, line 3",
     28, 0, 0, {7, 0, 3, 2}, "", "", kUpper, 0},
    {When::Always, Kind::Amount, W2::kBox1, "Box1", "1.  Wages, tips, other compensation",
     12, 0, 0, {1, 2}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 1, "Box2", "2.  Federal tax w\\held",
     12, 0, 0, {1, 3}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 2, "Box3", "3.  Social security wages",
     12, 0, 0, {2, 2}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 3, "Box4", "4.  Social Security tax w\\held",
     12, 0, 0, {2, 3}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 4, "Box5", "5.  Medicare wages / tips",
     12, 0, 0, {3, 2}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 5, "Box6", "6.  Medicare tax withheld",
     12, 0, 0, {3, 3}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 6, "Box7", "7.  Social security tips",
     12, 0, 0, {4, 2}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 7, "Box8", "8.  Allocated tips",
     12, 0, 0, {4, 3}, "", nullptr, kDigits, 18},
    // Box 9's caption is the year's (blank from the forms after advance EIC ended).
    {When::Always, Kind::Amount, W2::kBox1 + 8, "Box9", "9.", 12, 0, 0, {5, 2}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 9, "Box10", "10.  Dependent care benefits",
     12, 0, 0, {5, 3}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Amount, W2::kBox1 + 10, "Box11", "11.  Nonqualified plans",
     12, 0, 0, {6, 2}, "", nullptr, kDigits, 18},
    {When::Always, Kind::Code, W2::kBox12Code[0], "Box12a_Code", "12.  See Instrs. for Box 12, code a",
     2, 5, 0, {6, 3}, "12a", kBox12, kUpper, 0},
    {When::Always, Kind::Amount, W2::kBox12Amount[0], "Box12a_Amt", "12.  See Instrs. for Box 12, amount a",
     10, 0, 0, {6, 3}, "", "", kUpper, 10},
    {When::Always, Kind::Code, W2::kBox12Code[1], "Box12b_Code", "12.  See Instrs. for Box 12, code b",
     2, 5, 0, {7, 3}, "12b", "", kUpper, 0},
    {When::Always, Kind::Amount, W2::kBox12Amount[1], "Box12b_Amt", "12.  See Instrs. for Box 12, amount b",
     10, 0, 0, {7, 3}, "", "", kUpper, 10},
    {When::Always, Kind::Code, W2::kBox12Code[2], "Box12c_Code", "12.  See Instrs. for Box 12, code c",
     2, 5, 0, {8, 3}, "12c", "", kUpper, 0},
    {When::Always, Kind::Amount, W2::kBox12Amount[2], "Box12c_Amt", "12.  See Instrs. for Box 12, amount c",
     10, 0, 0, {8, 3}, "", "", kUpper, 10},
    {When::Always, Kind::Code, W2::kBox12Code[3], "Box12d_Code", "12.  See Instrs. for Box 12, code d",
     2, 5, 0, {9, 3}, "12d", "", kUpper, 0},
    {When::Always, Kind::Amount, W2::kBox12Amount[3], "Box12d_Amt", "12.  See Instrs. for Box 12, amount d",
     10, 0, 0, {9, 3}, "", "", kUpper, 10},
    {When::Always, Kind::Mark, W2::kStatutory, "Box13a", "Statutory Employee", 0, 0, 0, {7, 2}, "", "13.", 0, 0},
    {When::Always, Kind::Mark, W2::kRetirementPlan, "Box13b", "Retirement Plan", 0, 0, 0, {7, 2}, "", "", 0, 0},
    {When::Always, Kind::Mark, W2::kThirdPartySickPay, "Box13c", "3rd party sick pay", 0, 0, 0, {7, 2}, "", "", 0, 0},
    {When::Always, Kind::Shown, W2::kSickPay, "SickPay", "3rd party sick pay, tax withheld",
     7, 0, 0, {7, 2}, "", "", 0, 18},
    {When::NoBox14b, Kind::Text, W2::kBox14, "Box14_L1", "14. Other, line 1",
     12, 0, 0, {8, 2, 2, 1}, "", "14. Other", kUpper, 0},
    {When::NoBox14b, Kind::Text, W2::kBox14 + 1, "Box14_L2", "14. Other, line 2",
     12, 0, 0, {8, 2, 2, 1}, "", "", kUpper, 0},
    {When::NoBox14b, Kind::Text, W2::kBox14 + 2, "Box14_L3", "14. Other, line 3",
     12, 0, 0, {8, 2, 2, 1}, "", "", kUpper, 0},
    {When::Box14b, Kind::Text, W2::kBox14, "Box14_L1", "14a. Other, line 1",
     12, 0, 0, {8, 2}, "", "14a. Other", kUpper, 0},
    {When::Box14b, Kind::Text, W2::kBox14 + 1, "Box14_L2", "14a. Other, line 2", 12, 0, 0, {8, 2}, "", "", kUpper, 0},
    {When::Box14b, Kind::Text, W2::kBox14 + 2, "Box14_L3", "14a. Other, line 3", 12, 0, 0, {8, 2}, "", "", kUpper, 0},
    {When::Box14b, Kind::Text, W2::kBox14b, "Box14b_L1", "14b. Treasury tipped occupation code, 1st",
     4, 0, 0, {9, 2}, "", kBox14b, kDigits, 0},
    {When::Box14b, Kind::Text, W2::kBox14b + 1, "Box14b_L2", "14b. Treasury tipped occupation code, 2nd",
     4, 0, 0, {9, 2}, "", "", kDigits, 0},
    // The state lines: one box per column, holding both lines.
    {When::Always, Kind::State, 0, "Box15a_L1", "State, line 1", 5, 0, 1, {0, 0}, "15", "State", 0, 0},
    {When::Always, Kind::Shown, W2::kStateLine[0][0], "Box15b_L1", "State ID No., line 1",
     13, 0, 1, {0, 1}, "", "State ID No.", 0, 0},
    {When::Always, Kind::Amount, W2::kStateLine[0][1], "Box16_L1", "Wages, tips, etc., line 1",
     10, 0, 1, {0, 2}, "16", "Wages, tips, etc.", kDigits, 12},
    {When::Always, Kind::Amount, W2::kStateLine[0][2], "Box17_L1", "State income tax, line 1",
     10, 0, 1, {0, 3}, "17", "State income tax", kDigits, 11},
    {When::Always, Kind::Amount, W2::kStateLine[0][3], "Box18_L1", "Local wages, etc., line 1",
     10, 0, 1, {0, 4}, "18", "Local wages, etc.", kDigits, 12},
    {When::Always, Kind::Amount, W2::kStateLine[0][4], "Box19_L1", "Local Income Tax, line 1",
     10, 0, 1, {0, 5}, "19", "Local Income Tax", kDigits, 11},
    {When::Always, Kind::Text, W2::kStateLine[0][5], "Box20_L1", "Locality name, line 1",
     7, 0, 1, {0, 6}, "20", "Locality name", kUpper, 0},
    {When::Always, Kind::State, 1, "Box15a_L2", "State, line 2", 5, 0, 1, {0, 0}, "", "", 0, 0},
    {When::Always, Kind::Shown, W2::kStateLine[1][0], "Box15b_L2", "State ID No., line 2",
     13, 0, 1, {0, 1}, "", "", 0, 0},
    {When::Always, Kind::Amount, W2::kStateLine[1][1], "Box16_L2", "Wages, tips, etc., line 2",
     10, 0, 1, {0, 2}, "", "", kDigits, 12},
    {When::Always, Kind::Amount, W2::kStateLine[1][2], "Box17_L2", "State income tax, line 2",
     10, 0, 1, {0, 3}, "", "", kDigits, 11},
    {When::Always, Kind::Amount, W2::kStateLine[1][3], "Box18_L2", "Local wages, etc., line 2",
     10, 0, 1, {0, 4}, "", "", kDigits, 12},
    {When::Always, Kind::Amount, W2::kStateLine[1][4], "Box19_L2", "Local Income Tax, line 2",
     10, 0, 1, {0, 5}, "", "", kDigits, 11},
    {When::Always, Kind::Text, W2::kStateLine[1][5], "Box20_L2", "Locality name, line 2",
     7, 0, 1, {0, 6}, "", "", kUpper, 0},
    {When::ControlInBoxA, Kind::Text, W2::kControlNumber, "Boxa", "Control#",
     8, 12, 0, {0, 0, 1, 2}, "a", "Control#", kDigits | kUpper, 0},
    {When::SsnInBoxA, Kind::Text, W2::kControlNumber, "Boxa", "Control#",
     8, 12, 0, {5, 0, 1, 2}, "d", "Control number", kDigits | kUpper, 0},
};
// clang-format on

// A mark's caption in two lines over its box, as on the paper form: broken at the blank
// nearest the middle.
QString twoLines(const QString &caption)
{
    int at = -1;
    for (int i = caption.indexOf(QLatin1Char(' ')); i >= 0; i = caption.indexOf(QLatin1Char(' '), i + 1))
        if (at < 0 || qAbs(i - caption.size() / 2) < qAbs(at - caption.size() / 2))
            at = i;
    QString lines = caption;
    if (at >= 0)
        lines[at] = QLatin1Char('\n');
    return lines;
}

} // namespace

bool W2::onForm(int row) const
{
    switch (kRows[row].when) {
    case When::Always:
        return true;
    case When::SsnInBoxA:
        return form_.ssnInBoxA;
    case When::ControlInBoxA:
        return !form_.ssnInBoxA;
    case When::Box14b:
        return form_.box14b;
    case When::NoBox14b:
        return !form_.box14b;
    }
    return false;
}

QWidget *W2::fieldOf(int row) const
{
    const Row &r = kRows[row];
    switch (r.kind) {
    case Kind::Ssn:
        return MaskedEdit1;
    case Kind::Mark:
        return chkOpt[r.index];
    case Kind::State:
        return cboState[r.index];
    default:
        return Text1[r.index];
    }
}

void W2::makeFields()
{
    const int charWidth = fontMetrics().averageCharWidth();
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        const Row &r = kRows[i];
        if (!onForm(i))
            continue;
        QWidget *field = nullptr;
        if (r.kind == Kind::Mark)
            field = makeMark(r.index, QString::fromLatin1(r.name));
        else if (r.kind == Kind::State)
            field = makeStateBox(r.index);
        else
            field = makeLineEdit(r.kind == Kind::Ssn ? -1 : r.index, r.kind == Kind::Amount || r.amountLength > 0,
                                 r.kind == Kind::Shown);
        field->setAccessibleName(QString::fromLatin1(r.name));
        if (r.chars)
            field->setMinimumWidth(charWidth * (r.chars + 1));
        if (r.maxChars)
            field->setMaximumWidth(charWidth * r.maxChars);
        RecordField &bound = addField(field, QString::fromLatin1(r.column));
        bound.withKeys(r.keys).withMaxLength(r.amountLength);
        if (r.kind == Kind::Ssn)
            bindSsn(bound);
    }
    // Box 9 takes the year's caption; a blank one takes nothing, an amount stored in an earlier
    // year still shows.
    QLineEdit *box9 = Text1[kBox1 + 8];
    box9->setAccessibleName((QStringLiteral("9.  ") + form_.box9Caption).trimmed());
    if (form_.box9Caption.isEmpty()) {
        box9->setReadOnly(true);
        box9->setFocusPolicy(Qt::NoFocus);
    }
    // The sick pay's tax comes from its question only.
    Text1[kSickPay]->setFocusPolicy(Qt::NoFocus);
    Text1[kSickPay]->setToolTip(QStringLiteral("Income tax withheld on 3rd party sick pay"));
    connect(chkOpt[kThirdPartySickPay], &QCheckBox::clicked, this, &W2::sickPayClicked);
    makeLabels();
}

QLineEdit *W2::makeLineEdit(int index, bool amount, bool shown)
{
    auto *e = new QLineEdit(this);
    if (index < 0) {
        e->setObjectName(QStringLiteral("MaskedEdit1"));
        e->setInputMask(QStringLiteral("999-99-9999;_"));
        MaskedEdit1 = e;
        return e;
    }
    e->setObjectName(QStringLiteral("Text1_%1").arg(index));
    if (amount)
        e->setAlignment(Qt::AlignRight);
    // Filled by the screen: the state IDs from the state boxes (they can still be clicked into).
    e->setReadOnly(shown);
    if (shown)
        e->setFocusPolicy(Qt::ClickFocus);
    Text1[index] = e;
    return e;
}

void W2::bindSsn(RecordField &ssn)
{
    ssn.show = [this](const QVariant &v) {
        MaskedEdit1->clear();
        if (!v.isNull())
            MaskedEdit1->setText(v.toString());
    };
    // The mask's separators alone are no number.
    ssn.read = [this]() -> QVariant {
        const QString text = MaskedEdit1->text();
        return text.contains(QRegularExpression(QStringLiteral("\\d"))) ? text : QString();
    };
    ssn.clear = [this] { MaskedEdit1->clear(); };
}

QCheckBox *W2::makeMark(int index, const QString &caption)
{
    auto *check = new QCheckBox(this);
    check->setObjectName(QStringLiteral("chkOpt_%1").arg(index));
    chkOpt[index] = check;
    auto *label = new QLabel(twoLines(caption), this);
    label->setObjectName(QStringLiteral("LabelOpt_%1").arg(index));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setBuddy(check);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    LabelOpt[index] = label;
    return check;
}

StateBox *W2::makeStateBox(int line)
{
    auto *state = new StateBox(this);
    state->setObjectName(QStringLiteral("cboState_%1").arg(line));
    state->lineEdit()->setReadOnly(true); // picked from the employer's states, so its ID is known
    state->setEntrySource([this] {
        StateBox::Entries entries;
        for (const W2Employer::StateSlot &slot : employer_.states)
            if (!slot.code.trimmed().isEmpty())
                entries.append({slot.code, slot.id});
        return entries;
    });
    connect(state, &StateBox::picked, this,
            [this, line](const QString &, const QString &id) { statePicked(line, id); });
    connect(state, &StateBox::deletePressed, this, [this, line] { clearStateLine(line); });
    cboState[line] = state;
    return state;
}

void W2::makeLabels()
{
    // Box b shows the employer's number, box c its name and address.
    lblEmployerId = new QLabel(this);
    lblEmployerId->setObjectName(QStringLiteral("lblEmployerId"));
    for (int i = 0; i < 4; ++i) {
        lblEmployer[i] = new QLabel(this);
        lblEmployer[i]->setObjectName(QStringLiteral("lblEmployer_%1").arg(i));
    }
    lblFormTitle_ = PaperForm::captionLabel(QStringLiteral("Wage and Tax Statement"), this);
    QFont big = lblFormTitle_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblFormTitle_->setFont(big);
    lblFormTitle_->setObjectName(QStringLiteral("lblFormTitle"));
    lblFormTitle_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFormTitle_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QWidget *W2::box12Row(const QString &letter, QWidget *code, QWidget *amount)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    QLabel *caption = PaperForm::captionLabel(letter, row);
    caption->setBuddy(code);
    layout->addWidget(caption);
    layout->addWidget(code);
    layout->addWidget(amount, 1);
    return row;
}

QWidget *W2::box13Marks(const QVector<QWidget *> &fields)
{
    // Each mark under its caption, what else the box holds at the right on the marks' line.
    auto *marks = new QWidget(this);
    auto *grid = new QGridLayout(marks);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    int column = 0;
    for (QWidget *field : fields) {
        if (auto *check = qobject_cast<QCheckBox *>(field)) {
            const int index = int(std::find(std::begin(chkOpt), std::end(chkOpt), check) - std::begin(chkOpt));
            grid->addWidget(LabelOpt[index], 0, column);
            grid->addWidget(check, 1, column++, Qt::AlignHCenter);
        } else {
            grid->addWidget(field, 1, column);
            grid->setColumnStretch(column++, 1);
        }
    }
    return marks;
}

void W2::addEmployerBoxes(PaperForm &form)
{
    form.addBand({1, 1, 1, 1});
    form.addBoxes({
        {QString(), QString(), {0, 2, 1, 2}, {lblFormTitle_}},
        {QStringLiteral("b"), QStringLiteral("Employer identification number"), {1, 0, 1, 2}, {lblEmployerId}},
        {QStringLiteral("c"),
         QStringLiteral("Employer's name, address, and ZIP Code"),
         {2, 0, 3, 2},
         {lblEmployer[0], lblEmployer[1], lblEmployer[2], lblEmployer[3]}},
    });
}

void W2::buildForm()
{
    auto *form = new PaperForm(this);
    formArea_ = form;
    formArea_->setObjectName(QStringLiteral("formArea"));

    // The rows of each cell in one box, in the order of the table.
    struct Box {
        const Row *first;
        QVector<QWidget *> fields;
    };
    QVector<Box> boxes[2];
    QMap<std::tuple<int, int, int>, int> boxOfCell;
    QVector<QWidget *> order;
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        if (!onForm(i))
            continue;
        const Row &r = kRows[i];
        order << fieldOf(i);
        const auto cell = std::make_tuple(r.band, r.cell.row, r.cell.column);
        if (!boxOfCell.contains(cell)) {
            boxOfCell.insert(cell, int(boxes[r.band].size()));
            boxes[r.band].append(Box{&r, {}});
        }
        boxes[r.band][boxOfCell.value(cell)].fields << fieldOf(i);
    }

    // Three columns of boxes (the left one split for the two names), then the two state lines
    // across the whole width.
    addEmployerBoxes(*form);
    for (int band = 0; band < 2; ++band) {
        if (band == 1)
            form->addBand({0, 3, 2, 2, 2, 2, 1});
        for (const Box &b : boxes[band]) {
            const Row &r = *b.first;
            QVector<QWidget *> contents = b.fields;
            QString number = QString::fromLatin1(r.boxNo);
            if (r.kind == Kind::Code) {
                contents = {box12Row(number, b.fields.value(0), b.fields.value(1))};
                number.clear();
            } else if (r.kind == Kind::Mark) {
                contents = {box13Marks(b.fields)};
            }
            const QString caption = r.caption ? QString::fromLatin1(r.caption) : b.fields.value(0)->accessibleName();
            form->addBox({number, caption, r.cell, contents});
        }
    }

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(makeEntryButtons(static_cast<QFrame *>(Panel3D1)));
    outer->addWidget(formArea_, 1);
    setEntryTabOrder(order);
}

} // namespace quillory
