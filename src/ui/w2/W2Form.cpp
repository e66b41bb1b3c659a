#include "w2/W2Screen.h"

#include "shell/PaperForm.h"
#include "shell/StateBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

// The W-2 screen's fields and the paper form they stand on.
namespace quillory {

namespace {

const unsigned kUpper = RecordField::UpperCase;
const unsigned kDigits = RecordField::Numeric;
const unsigned kShown = RecordField::ReadOnly;

// One text field: its index, column, accessible name, width in characters, key rule, and for
// an amount (set at the right) the longest entry its box holds (0: not an amount).
struct TextField {
    int index;
    const char *column;
    const char *name;
    int chars;
    unsigned keys;
    int amountLength;
};

// Shown and stored in this order (the SSN comes second, after the control number).
const TextField kTextFields[] = {
    {W2::kFirstName, "Boxe_FName", "Employee's first name and initial", 13, kUpper, 0},
    {W2::kLastName, "Boxe_LName", "Last name", 15, kUpper, 0},
    {W2::kAddress1, "Boxf_L1", "Employee's address and ZIP code, line 1", 28, kUpper, 0},
    {W2::kAddress1 + 1, "Boxf_L2", "Employee's address and ZIP code, line 2", 28, kUpper, 0},
    {W2::kAddress1 + 2, "Boxf_L3", "Employee's address and ZIP code, line 3", 28, kUpper, 0},
    {W2::kBox1, "Box1", "1.  Wages, tips, other compensation", 12, kDigits, 18},
    {W2::kBox1 + 1, "Box2", "2.  Federal tax w\\held", 12, kDigits, 18},
    {W2::kBox1 + 2, "Box3", "3.  Social security wages", 12, kDigits, 18},
    {W2::kBox1 + 3, "Box4", "4.  Social Security tax w\\held", 12, kDigits, 18},
    {W2::kBox1 + 4, "Box5", "5.  Medicare wages / tips", 12, kDigits, 18},
    {W2::kBox1 + 5, "Box6", "6.  Medicare tax withheld", 12, kDigits, 18},
    {W2::kBox1 + 6, "Box7", "7.  Social security tips", 12, kDigits, 18},
    {W2::kBox1 + 7, "Box8", "8.  Allocated tips", 12, kDigits, 18},
    {W2::kBox1 + 8, "Box9", "9.  Advance EIC payment", 12, kDigits, 18},
    {W2::kBox1 + 9, "Box10", "10.  Dependent care benefits", 12, kDigits, 18},
    {W2::kBox1 + 10, "Box11", "11.  Nonqualified plans", 12, kDigits, 18},
    {W2::kBox12Code[0], "Box12a_Code", "12.  See Instrs. for Box 12, code a", 2, kUpper, 0},
    {W2::kBox12Amount[0], "Box12a_Amt", "12.  See Instrs. for Box 12, amount a", 10, kUpper, 10},
    {W2::kBox12Code[1], "Box12b_Code", "12.  See Instrs. for Box 12, code b", 2, kUpper, 0},
    {W2::kBox12Amount[1], "Box12b_Amt", "12.  See Instrs. for Box 12, amount b", 10, kUpper, 10},
    {W2::kBox12Code[2], "Box12c_Code", "12.  See Instrs. for Box 12, code c", 2, kUpper, 0},
    {W2::kBox12Amount[2], "Box12c_Amt", "12.  See Instrs. for Box 12, amount c", 10, kUpper, 10},
    {W2::kBox12Code[3], "Box12d_Code", "12.  See Instrs. for Box 12, code d", 2, kUpper, 0},
    {W2::kBox12Amount[3], "Box12d_Amt", "12.  See Instrs. for Box 12, amount d", 10, kUpper, 10},
    {W2::kSickPay, "SickPay", "3rd party sick pay, tax withheld", 7, kShown, 18},
    {W2::kBox14, "Box14_L1", "14. Other, line 1", 12, kUpper, 0},
    {W2::kBox14 + 1, "Box14_L2", "14. Other, line 2", 12, kUpper, 0},
    {W2::kBox14 + 2, "Box14_L3", "14. Other, line 3", 12, kUpper, 0},
    {W2::kStateLine[0][0], "Box15b_L1", "State ID No., line 1", 13, kShown, 0},
    {W2::kStateLine[0][1], "Box16_L1", "Wages, tips, etc., line 1", 10, kDigits, 12},
    {W2::kStateLine[0][2], "Box17_L1", "State income tax, line 1", 10, kDigits, 11},
    {W2::kStateLine[0][3], "Box18_L1", "Local wages, etc., line 1", 10, kDigits, 12},
    {W2::kStateLine[0][4], "Box19_L1", "Local Income Tax, line 1", 10, kDigits, 11},
    {W2::kStateLine[0][5], "Box20_L1", "Locality name, line 1", 7, kUpper, 0},
    {W2::kStateLine[1][0], "Box15b_L2", "State ID No., line 2", 13, kShown, 0},
    {W2::kStateLine[1][1], "Box16_L2", "Wages, tips, etc., line 2", 10, kDigits, 12},
    {W2::kStateLine[1][2], "Box17_L2", "State income tax, line 2", 10, kDigits, 11},
    {W2::kStateLine[1][3], "Box18_L2", "Local wages, etc., line 2", 10, kDigits, 12},
    {W2::kStateLine[1][4], "Box19_L2", "Local Income Tax, line 2", 10, kDigits, 11},
    {W2::kStateLine[1][5], "Box20_L2", "Locality name, line 2", 7, kUpper, 0},
};

// The captions of boxes 1 to 11, and of the columns of the state lines with their box numbers.
const char *const kStateCaptions[7][2] = {
    {"15", "State"},
    {"", "State ID No."},
    {"16", "Wages, tips, etc."},
    {"17", "State income tax"},
    {"18", "Local wages, etc."},
    {"19", "Local Income Tax"},
    {"20", "Locality name"},
};

} // namespace

void W2::makeFields()
{
    const int charWidth = fontMetrics().averageCharWidth();
    auto edit = [&](const QString &name, const QString &accessibleName, int chars) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setAccessibleName(accessibleName);
        e->setMinimumWidth(charWidth * (chars + 1));
        return e;
    };
    // Amount fields take no length limit: a limit would cut the currency form of a large stored
    // amount short, and too many digits are refused when the record is stored.
    Text1[kControlNumber] = edit(QStringLiteral("Text1_0"), QStringLiteral("Control#"), 8);
    Text1[kControlNumber]->setMaximumWidth(charWidth * 12);
    addField(Text1[kControlNumber], QStringLiteral("Boxa")).withKeys(kDigits | kUpper);

    MaskedEdit1 = edit(QStringLiteral("MaskedEdit1"), QStringLiteral("Employee's SSN"), 13);
    MaskedEdit1->setInputMask(QStringLiteral("999-99-9999;_"));
    MaskedEdit1->setMaximumWidth(charWidth * 16);
    RecordField &ssn = addField(MaskedEdit1, QStringLiteral("Boxd"));
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

    for (const TextField &f : kTextFields) {
        QLineEdit *e = edit(QStringLiteral("Text1_%1").arg(f.index), QString::fromLatin1(f.name), f.chars);
        if (f.amountLength > 0)
            e->setAlignment(Qt::AlignRight);
        e->setReadOnly(f.keys == kShown);
        Text1[f.index] = e;
        addField(e, QString::fromLatin1(f.column)).withKeys(f.keys).withMaxLength(f.amountLength);
    }
    yearBoxes();
    // The state IDs come from the state boxes; the sick pay from its question only.
    for (const int *line : kStateLine)
        Text1[line[0]]->setFocusPolicy(Qt::ClickFocus);
    Text1[kSickPay]->setFocusPolicy(Qt::NoFocus);
    Text1[kSickPay]->setToolTip(QStringLiteral("Income tax withheld on 3rd party sick pay"));
    makeOptions();
    makeStateBoxes();
    makeLabels();
}

void W2::yearBoxes()
{
    Text1[kBox1 + 8]->setAccessibleName((QStringLiteral("9.  ") + form_.box9Caption).trimmed());
    // A blank box 9 takes nothing; an amount stored in an earlier year still shows.
    if (form_.box9Caption.isEmpty()) {
        Text1[kBox1 + 8]->setReadOnly(true);
        Text1[kBox1 + 8]->setFocusPolicy(Qt::NoFocus);
    }
    if (!form_.box14b)
        return;
    for (int i = 0; i < 3; ++i)
        Text1[kBox14 + i]->setAccessibleName(QStringLiteral("14a. Other, line %1").arg(i + 1));
    const char *const nth[2] = {"1st", "2nd"};
    for (int i = 0; i < 2; ++i) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Text1_%1").arg(kBox14b + i));
        e->setAccessibleName(QStringLiteral("14b. Treasury tipped occupation code, ") + QLatin1String(nth[i]));
        e->setMinimumWidth(fontMetrics().averageCharWidth() * 5);
        Text1[kBox14b + i] = e;
        addField(e, QStringLiteral("Box14b_L%1").arg(i + 1)).withKeys(kDigits);
    }
}

void W2::makeOptions()
{

    const char *const options[3][2] = {
        {"Statutory Employee", "Box13a"}, {"Retirement Plan", "Box13b"}, {"3rd party sick pay", "Box13c"}};
    for (int i = 0; i < 3; ++i) {
        const int index = kStatutory + 2 * i;
        auto *check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("chkOpt_%1").arg(index));
        check->setAccessibleName(QString::fromLatin1(options[i][0]));
        chkOpt[index] = check;
        addField(check, QString::fromLatin1(options[i][1]));
        // Two lines over the box, as on the paper form.
        QString caption = QString::fromLatin1(options[i][0]);
        caption[caption.indexOf(QLatin1Char(' '), i == 2 ? 4 : 0)] = QLatin1Char('\n');
        auto *label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("LabelOpt_%1").arg(index));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setBuddy(check);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        label->setFont(small);
        LabelOpt[index] = label;
    }
    connect(chkOpt[kThirdPartySickPay], &QCheckBox::clicked, this, &W2::sickPayClicked);
}

void W2::makeStateBoxes()
{

    for (int line = 0; line < 2; ++line) {
        auto *state = new StateBox(this);
        state->setObjectName(QStringLiteral("cboState_%1").arg(line));
        state->setAccessibleName(QStringLiteral("State, line %1").arg(line + 1));
        state->lineEdit()->setReadOnly(true); // picked from the employer's states, so its ID is known
        state->setMinimumWidth(fontMetrics().averageCharWidth() * 6);
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
        addField(state, QStringLiteral("Box15a_L%1").arg(line + 1));
    }
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

QWidget *W2::box12Row(int r)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    QLabel *letter = PaperForm::captionLabel(QStringLiteral("12%1").arg(QLatin1Char(static_cast<char>('a' + r))), row);
    letter->setBuddy(Text1[kBox12Code[r]]);
    Text1[kBox12Code[r]]->setMaximumWidth(fontMetrics().averageCharWidth() * 5);
    layout->addWidget(letter);
    layout->addWidget(Text1[kBox12Code[r]]);
    layout->addWidget(Text1[kBox12Amount[r]], 1);
    return row;
}

QWidget *W2::box13Marks()
{
    auto *marks = new QWidget(this);
    auto *grid = new QGridLayout(marks);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(LabelOpt[2 * i], 0, i);
        grid->addWidget(chkOpt[2 * i], 1, i, Qt::AlignHCenter);
    }
    grid->addWidget(Text1[kSickPay], 1, 3);
    grid->setColumnStretch(3, 1);
    return marks;
}

void W2::buildForm()
{
    auto *form = new PaperForm(this);
    formArea_ = form;
    formArea_->setObjectName(QStringLiteral("formArea"));

    // Three columns of boxes (the left one split for the two names) ...
    form->addBand({1, 1, 1, 1});
    QVector<PaperForm::Box> boxes = {
        {QStringLiteral("a"), QStringLiteral("Control#"), {0, 0, 1, 2}, {Text1[kControlNumber]}},
        {QString(), QString(), {0, 2, 1, 2}, {lblFormTitle_}},
        {QStringLiteral("b"), QStringLiteral("Employer identification number"), {1, 0, 1, 2}, {lblEmployerId}},
        {QStringLiteral("c"),
         QStringLiteral("Employer's name, address, and ZIP Code"),
         {2, 0, 3, 2},
         {lblEmployer[0], lblEmployer[1], lblEmployer[2], lblEmployer[3]}},
        {QStringLiteral("d"), QStringLiteral("Employee's SSN"), {5, 0, 1, 2}, {MaskedEdit1}},
        {QStringLiteral("e"), QStringLiteral("Employee's first name and initial"), {6, 0}, {Text1[kFirstName]}},
        {QString(), QStringLiteral("Last name"), {6, 1}, {Text1[kLastName]}},
        {QStringLiteral("f"),
         QStringLiteral("Employee's address and ZIP code"),
         {7, 0, 3, 2},
         {Text1[kAddress1], Text1[kAddress1 + 1], Text1[kAddress1 + 2]}},
        {QString(), QStringLiteral("13."), {7, 2}, {box13Marks()}},
    };
    // The later forms put the SSN in box a and the control number in box d.
    if (form_.ssnInBoxA) {
        boxes[0] = {
            QStringLiteral("a"), QStringLiteral("Employee's social security number"), {0, 0, 1, 2}, {MaskedEdit1}};
        boxes[4] = {QStringLiteral("d"), QStringLiteral("Control number"), {5, 0, 1, 2}, {Text1[kControlNumber]}};
    }
    const QVector<QWidget *> box14 = {Text1[kBox14], Text1[kBox14 + 1], Text1[kBox14 + 2]};
    if (form_.box14b) {
        boxes.append({QString(), QStringLiteral("14a. Other"), {8, 2}, box14});
        boxes.append({QString(),
                      QStringLiteral("14b. Treasury tipped occupation code(s)"),
                      {9, 2},
                      {Text1[kBox14b], Text1[kBox14b + 1]}});
    } else {
        boxes.append({QString(), QStringLiteral("14. Other"), {8, 2, 2, 1}, box14});
    }
    // ... boxes 1 to 11 two to a row at the right, box 12's four rows below them ...
    for (int i = 0; i < 11; ++i)
        boxes.append({QString(), Text1[kBox1 + i]->accessibleName(), {1 + i / 2, 2 + i % 2}, {Text1[kBox1 + i]}});
    for (int r = 0; r < 4; ++r)
        boxes.append(
            {QString(), r == 0 ? QStringLiteral("12.  See Instrs. for Box 12") : QString(), {6 + r, 3}, {box12Row(r)}});
    form->addBoxes(boxes);

    // ... then the two state lines across the whole width, one box per column holding both.
    form->addBand({0, 3, 2, 2, 2, 2, 1});
    for (int c = 0; c < 7; ++c) {
        QWidget *lines[2];
        for (int line = 0; line < 2; ++line)
            lines[line] = c == 0 ? static_cast<QWidget *>(cboState[line]) : Text1[kStateLine[line][c - 1]];
        form->addBox({QString::fromLatin1(kStateCaptions[c][0]),
                      QString::fromLatin1(kStateCaptions[c][1]),
                      {0, c},
                      {lines[0], lines[1]},
                      lines[0]});
    }

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(makeEntryButtons(static_cast<QFrame *>(Panel3D1)));
    outer->addWidget(formArea_, 1);

    // Tab (and Enter) walk the fields in the order a W-2 is filled in.
    QVector<QWidget *> order = {MaskedEdit1, Text1[kFirstName], Text1[kLastName]};
    for (int i = 0; i < 3; ++i)
        order << Text1[kAddress1 + i];
    for (int i = 0; i < 11; ++i)
        order << Text1[kBox1 + i];
    for (int r = 0; r < 4; ++r)
        order << Text1[kBox12Code[r]] << Text1[kBox12Amount[r]];
    order << chkOpt[kStatutory] << chkOpt[kRetirementPlan] << chkOpt[kThirdPartySickPay];
    for (int i = 0; i < 3; ++i)
        order << Text1[kBox14 + i];
    if (form_.box14b)
        order << Text1[kBox14b] << Text1[kBox14b + 1];
    for (int line = 0; line < 2; ++line) {
        order << cboState[line];
        for (int c = 1; c < 6; ++c)
            order << Text1[kStateLine[line][c]];
    }
    order << Text1[kControlNumber];
    setEntryTabOrder(order);
}

} // namespace quillory
