#include "w2/W2Screen.h"

#include "shell/RecordGrid.h"
#include "shell/StateBox.h"
#include "shell/StepRunner.h"
#include "w2/W2Checks.h"
#include "w2/W2Rows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace quillory {

namespace {

// The colour the paper form is printed in, for its rules and captions.
const QColor kInk(160, 24, 40);
// The colour of a check box's label while the box has the focus.
const QColor kFocusGreen(0, 255, 0);

// One box of the paper form: its rule along the top and the left, a caption, then its fields.
// The sheet draws the rules along the right and the bottom, so that no line is drawn twice.
class FormBox : public QWidget {
public:
    FormBox(QWidget *parent, const QString &number, const QString &caption) : QWidget(parent)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 2, 4, 3);
        layout->setSpacing(1);
        if (!number.isEmpty() || !caption.isEmpty()) {
            auto *row = new QHBoxLayout;
            row->setSpacing(4);
            if (!number.isEmpty()) {
                auto *n = captionLabel(number);
                QFont bold = n->font();
                bold.setBold(true);
                n->setFont(bold);
                row->addWidget(n);
            }
            captionLabel_ = captionLabel(caption);
            captionLabel_->setObjectName(QStringLiteral("caption"));
            row->addWidget(captionLabel_, 1);
            layout->addLayout(row);
        }
        body = new QVBoxLayout;
        body->setSpacing(1);
        layout->addLayout(body, 1);
    }

    QLabel *captionLabel(const QString &text)
    {
        auto *label = new QLabel(text, this);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kInk);
        label->setPalette(palette);
        return label;
    }

    QLabel *captionLabel_ = nullptr;
    QVBoxLayout *body;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(kInk);
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
    }
};

// The paper: white, with the closing rules of the boxes along its right and bottom edges.
class FormSheet : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(kInk);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

} // namespace

W2::W2(AppContext &ctx, OpenScreen openScreen, QWidget *parent)
    : RecordScreen(ctx, parent), openScreen_(std::move(openScreen))
{
    setObjectName(QStringLiteral("W2"));
    setWindowTitle(QStringLiteral("W2 employee input"));
    buildForm();

    RecordScreenSetup &s = setup();
    s.firstRecordMessage =
        QStringLiteral("This is the first employee entered for employer.\rOpening screen in edit mode.");
    s.uniqueColumn = QStringLiteral("Boxd");
    s.duplicateMessage = QStringLiteral("SSN already exists");
    s.activeStatus = QStringLiteral("W2 Screen");
    s.deletingStatus = QStringLiteral("Deleting Current W2......");
    s.movesNeedRows = true;
    s.addBlocksMoves = true;
    s.firstField = MaskedEdit1;
    // The list carries each W-2's row number in a hidden column and is matched by it, so that
    // two W-2s with one SSN stay apart.
    s.listCaption = QStringLiteral("Employee List");
    // The SSN column is wider than the names' so that a whole number shows in any font.
    s.listColumns = {{{}, 0, true},
                     {QStringLiteral("SSN"), 1300},
                     {QStringLiteral("First Name"), 1200},
                     {QStringLiteral("Last Name"), 1200}};
    s.listKeys = {QStringLiteral("id")};
    s.listArea = formArea_;
    s.listDisables = {Panel3D1};
    for (QLineEdit *field : Text1)
        if (field)
            s.listDisables.append(field);
    for (QCheckBox *box : chkOpt)
        if (box)
            s.listDisables.append(box);

    employer_.tfid = ctx.state.gTfid;
    s.table = QStringLiteral("W2");
    s.rows = [tfid = employer_.tfid](Database &db) { return w2::rowsOf(db, tfid); };
    s.listRows = [tfid = employer_.tfid](Database &db) { return w2::listOf(db, tfid); };

    declareFields();
    listGrid()->setOtherKeyHandler([this] { context().dialogs.beep(); });
}

void W2::declareFields()
{
    using K = RecordField;
    const unsigned upper = K::UpperCase;
    const unsigned digits = K::Numeric;

    addField(Text1[0], QStringLiteral("Boxa")).withKeys(digits | upper);
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

    const struct {
        int index;
        const char *column;
        unsigned keys;
    } text[] = {
        {1, "Boxe_FName", upper},    {2, "Boxe_LName", upper},       {6, "Boxf_L1", upper},
        {7, "Boxf_L2", upper},       {8, "Boxf_L3", upper},          {20, "Box1", digits},
        {21, "Box2", digits},        {22, "Box3", digits},           {23, "Box4", digits},
        {24, "Box5", digits},        {25, "Box6", digits},           {26, "Box7", digits},
        {27, "Box8", digits},        {28, "Box9", digits},           {29, "Box10", digits},
        {30, "Box11", digits},       {9, "Box12a_Code", upper},      {10, "Box12a_Amt", upper},
        {11, "Box12b_Code", upper},  {12, "Box12b_Amt", upper},      {13, "Box12c_Code", upper},
        {14, "Box12c_Amt", upper},   {47, "Box12d_Code", upper},     {46, "Box12d_Amt", upper},
        {3, "SickPay", K::ReadOnly}, {15, "Box14_L1", upper},        {16, "Box14_L2", upper},
        {17, "Box14_L3", upper},     {32, "Box15b_L1", K::ReadOnly}, {33, "Box16_L1", digits},
        {34, "Box17_L1", digits},    {35, "Box18_L1", digits},       {36, "Box19_L1", digits},
        {18, "Box20_L1", upper},     {37, "Box15b_L2", K::ReadOnly}, {38, "Box16_L2", digits},
        {39, "Box17_L2", digits},    {41, "Box18_L2", digits},       {42, "Box19_L2", digits},
        {19, "Box20_L2", upper},
    };
    for (const auto &t : text)
        addField(Text1[t.index], QString::fromLatin1(t.column)).withKeys(t.keys);

    const char *const flags[3] = {"Box13a", "Box13b", "Box13c"};
    for (int i = 0; i < 3; ++i)
        addField(chkOpt[i * 2], QString::fromLatin1(flags[i]));
    addField(cboState[0], QStringLiteral("Box15a_L1"));
    addField(cboState[1], QStringLiteral("Box15a_L2"));

    connect(chkOpt[4], &QCheckBox::clicked, this, &W2::sickPayClicked);
}

void W2::buildForm()
{
    formArea_ = new FormSheet(this);
    formArea_->setObjectName(QStringLiteral("formArea"));
    const int charWidth = fontMetrics().averageCharWidth();

    auto field = [&](int index, const QString &accessibleName, int chars) {
        auto *edit = new QLineEdit(formArea_);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(index));
        edit->setAccessibleName(accessibleName);
        edit->setMinimumWidth(charWidth * (chars + 1));
        Text1[index] = edit;
        return edit;
    };
    // Amount fields take no length limit: a limit would cut the currency form of a large stored
    // amount short, and too many digits are refused when the record is stored.
    auto amount = [&](int index, const QString &accessibleName, int chars) {
        QLineEdit *edit = field(index, accessibleName, chars);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    auto box = [&](const QString &number, const QString &caption) { return new FormBox(formArea_, number, caption); };

    // Made in tab order: SSN, names, address, boxes 1 to 11, box 12, box 13, box 14, the two
    // state lines, the control number.
    MaskedEdit1 = new QLineEdit(formArea_);
    MaskedEdit1->setObjectName(QStringLiteral("MaskedEdit1"));
    MaskedEdit1->setAccessibleName(QStringLiteral("Employee's SSN"));
    MaskedEdit1->setInputMask(QStringLiteral("999-99-9999;_"));
    MaskedEdit1->setMinimumWidth(charWidth * 14);
    field(1, QStringLiteral("Employee's first name and initial"), 13);
    field(2, QStringLiteral("Last name"), 15);
    for (int i = 0; i < 3; ++i)
        field(6 + i, QStringLiteral("Employee's address and ZIP code, line %1").arg(i + 1), 28);
    const char *const boxCaptions[11] = {
        "1.  Wages, tips, other compensation",
        "2.  Federal tax w\\held",
        "3.  Social security wages",
        "4.  Social Security tax w\\held",
        "5.  Medicare wages / tips",
        "6.  Medicare tax withheld",
        "7.  Social security tips",
        "8.  Allocated tips",
        "9.  Advance EIC payment",
        "10.  Dependent care benefits",
        "11.  Nonqualified plans",
    };
    for (int i = 0; i < 11; ++i)
        amount(20 + i, QString::fromLatin1(boxCaptions[i]), 12);
    const QString box12 = QStringLiteral("12.  See Instrs. for Box 12");
    const int codeField[4] = {9, 11, 13, 47};
    const int amountField[4] = {10, 12, 14, 46};
    for (int r = 0; r < 4; ++r) {
        const QChar row = QLatin1Char(static_cast<char>('a' + r));
        field(codeField[r], box12 + QStringLiteral(", code %1").arg(row), 2);
        amount(amountField[r], box12 + QStringLiteral(", amount %1").arg(row), 10);
    }
    const char *const options[3] = {"Statutory Employee", "Retirement Plan", "3rd party sick pay"};
    for (int i = 0; i < 3; ++i) {
        auto *check = new QCheckBox(formArea_);
        check->setObjectName(QStringLiteral("chkOpt_%1").arg(i * 2));
        check->setAccessibleName(QString::fromLatin1(options[i]));
        chkOpt[i * 2] = check;
        // Two lines over the box, as on the paper form.
        QString caption = QString::fromLatin1(options[i]);
        caption[caption.indexOf(QLatin1Char(' '), i == 2 ? 4 : 0)] = QLatin1Char('\n');
        auto *label = new QLabel(caption, formArea_);
        label->setObjectName(QStringLiteral("LabelOpt_%1").arg(i * 2));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setBuddy(check);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        label->setFont(small);
        LabelOpt[i * 2] = label;
    }
    for (int i = 0; i < 3; ++i)
        field(15 + i, QStringLiteral("14. Other, line %1").arg(i + 1), 12);
    for (int line = 0; line < 2; ++line) {
        const QString suffix = QStringLiteral(", line %1").arg(line + 1);
        auto *state = new StateBox(formArea_);
        state->setObjectName(QStringLiteral("cboState_%1").arg(line));
        state->setAccessibleName(QStringLiteral("State") + suffix);
        state->lineEdit()->setReadOnly(true); // picked from the employer's states, so its ID is known
        state->setMinimumWidth(charWidth * 6);
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

        const int base = kStateIdField[line];
        QLineEdit *id = field(base, QStringLiteral("State ID No.") + suffix, 13);
        id->setReadOnly(true);
        id->setFocusPolicy(Qt::ClickFocus);
        const int amounts[4] = {base + 1, base + 2, line == 0 ? 35 : 41, line == 0 ? 36 : 42};
        const char *const captions[4] = {"Wages, tips, etc.", "State income tax", "Local wages, etc.",
                                         "Local Income Tax"};
        for (int i = 0; i < 4; ++i)
            amount(amounts[i], QString::fromLatin1(captions[i]) + suffix, 10);
        field(18 + line, QStringLiteral("Locality name") + suffix, 7);
    }
    field(0, QStringLiteral("Control#"), 8);
    // Written by the sick-pay question only.
    QLineEdit *sickPay = amount(3, QStringLiteral("3rd party sick pay, tax withheld"), 7);
    sickPay->setReadOnly(true);
    sickPay->setFocusPolicy(Qt::NoFocus);
    sickPay->setToolTip(QStringLiteral("Income tax withheld on 3rd party sick pay"));

    // Box b shows the employer's number, box c its name and address.
    lblEmployerId = new QLabel(formArea_);
    lblEmployerId->setObjectName(QStringLiteral("lblEmployerId"));
    for (int i = 0; i < 4; ++i) {
        lblEmployer[i] = new QLabel(formArea_);
        lblEmployer[i]->setObjectName(QStringLiteral("lblEmployer_%1").arg(i));
    }

    // The paper form: three columns of boxes (the left one split for the two names), then the
    // two state lines across the whole width.
    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    auto put = [&](FormBox *b, int row, int col, int rowSpan = 1, int colSpan = 1) {
        grid->addWidget(b, row, col, rowSpan, colSpan);
        return b;
    };
    auto one = [&](const QString &number, const QString &caption, QWidget *w, int row, int col, int rowSpan = 1,
                   int colSpan = 1) {
        FormBox *b = put(box(number, caption), row, col, rowSpan, colSpan);
        b->body->addWidget(w);
        b->body->addStretch();
        if (b->captionLabel_)
            b->captionLabel_->setBuddy(w);
        return b;
    };

    one(QStringLiteral("a"), QStringLiteral("Control#"), Text1[0], 0, 0, 1, 2)
        ->body->setAlignment(Text1[0], Qt::AlignLeft);
    Text1[0]->setMaximumWidth(charWidth * 12);
    auto *title = box(QString(), QString());
    auto *titleText = title->captionLabel(QStringLiteral("Wage and Tax Statement"));
    QFont big = titleText->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    titleText->setFont(big);
    titleText->setObjectName(QStringLiteral("lblFormTitle"));
    lblFormTitle_ = titleText;
    titleText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    title->body->addWidget(titleText);
    put(title, 0, 2, 1, 2);

    one(QStringLiteral("b"), QStringLiteral("Employer identification number"), lblEmployerId, 1, 0, 1, 2);
    FormBox *employer =
        put(box(QStringLiteral("c"), QStringLiteral("Employer's name, address, and ZIP Code")), 2, 0, 3, 2);
    for (QLabel *l : lblEmployer)
        employer->body->addWidget(l);
    employer->body->addStretch();
    one(QStringLiteral("d"), QStringLiteral("Employee's SSN"), MaskedEdit1, 5, 0, 1, 2)
        ->body->setAlignment(MaskedEdit1, Qt::AlignLeft);
    MaskedEdit1->setMaximumWidth(charWidth * 16);
    one(QStringLiteral("e"), QStringLiteral("Employee's first name and initial"), Text1[1], 6, 0);
    one(QString(), QStringLiteral("Last name"), Text1[2], 6, 1);
    FormBox *address = put(box(QStringLiteral("f"), QStringLiteral("Employee's address and ZIP code")), 7, 0, 3, 2);
    for (int i = 6; i <= 8; ++i)
        address->body->addWidget(Text1[i]);
    address->captionLabel_->setBuddy(Text1[6]);
    address->body->addStretch();

    for (int i = 0; i < 11; ++i)
        one(QString(), QString::fromLatin1(boxCaptions[i]), Text1[20 + i], 1 + i / 2, 2 + i % 2);

    FormBox *box13 = put(box(QString(), QStringLiteral("13.")), 7, 2);
    auto *marks = new QGridLayout;
    marks->setHorizontalSpacing(6);
    marks->setVerticalSpacing(0);
    for (int i = 0; i < 3; ++i) {
        marks->addWidget(LabelOpt[i * 2], 0, i);
        marks->addWidget(chkOpt[i * 2], 1, i, Qt::AlignHCenter);
    }
    marks->addWidget(Text1[3], 1, 3);
    marks->setColumnStretch(3, 1);
    box13->body->addLayout(marks);
    FormBox *box14 = put(box(QString(), QStringLiteral("14. Other")), 8, 2, 2, 1);
    for (int i = 15; i <= 17; ++i)
        box14->body->addWidget(Text1[i]);
    box14->captionLabel_->setBuddy(Text1[15]);
    box14->body->addStretch();

    for (int r = 0; r < 4; ++r) {
        FormBox *b = put(box(QString(), r == 0 ? box12 : QString()), 6 + r, 3);
        auto *row = new QHBoxLayout;
        row->setSpacing(3);
        auto *letter = b->captionLabel(QStringLiteral("12%1").arg(QLatin1Char(static_cast<char>('a' + r))));
        row->addWidget(letter);
        row->addWidget(Text1[codeField[r]]);
        row->addWidget(Text1[amountField[r]], 1);
        Text1[codeField[r]]->setMaximumWidth(charWidth * 5);
        b->body->addLayout(row);
        b->body->addStretch();
        letter->setBuddy(Text1[codeField[r]]);
    }
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, 1);

    // The state lines: one box per column holding both lines.
    auto *states = new QGridLayout;
    states->setSpacing(0);
    const QString stateCaptions[7] = {QStringLiteral("State"),
                                      QStringLiteral("State ID No."),
                                      QStringLiteral("Wages, tips, etc."),
                                      QStringLiteral("State income tax"),
                                      QStringLiteral("Local wages, etc."),
                                      QStringLiteral("Local Income Tax"),
                                      QStringLiteral("Locality name")};
    const QString stateNumbers[7] = {
        QStringLiteral("15"), QString(),           QStringLiteral("16"), QStringLiteral("17"), QStringLiteral("18"),
        QStringLiteral("19"), QStringLiteral("20")};
    const int stretch[7] = {0, 3, 2, 2, 2, 2, 1};
    for (int c = 0; c < 7; ++c) {
        FormBox *b = box(stateNumbers[c], stateCaptions[c]);
        for (int line = 0; line < 2; ++line) {
            const int base = kStateIdField[line];
            QWidget *w = nullptr;
            switch (c) {
            case 0:
                w = cboState[line];
                break;
            case 1:
                w = Text1[base];
                break;
            case 2:
            case 3:
                w = Text1[base + c - 1];
                break;
            case 4:
                w = Text1[line == 0 ? 35 : 41];
                break;
            case 5:
                w = Text1[line == 0 ? 36 : 42];
                break;
            default:
                w = Text1[18 + line];
            }
            b->body->addWidget(w);
            if (line == 0 && b->captionLabel_)
                b->captionLabel_->setBuddy(w);
        }
        states->addWidget(b, 0, c);
        states->setColumnStretch(c, stretch[c]);
    }

    auto *sheet = new QVBoxLayout(formArea_);
    sheet->setContentsMargins(0, 0, 1, 1);
    sheet->setSpacing(0);
    sheet->addLayout(grid);
    sheet->addLayout(states);
    sheet->addStretch();

    // The buttons at the left: the moves above the panel of commands.
    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    static_cast<QFrame *>(Panel3D1)->setFrameShape(QFrame::StyledPanel);
    makeEditButtons({QStringLiteral("&Add"), QStringLiteral("&Edit"), QStringLiteral("&Save"),
                     QStringLiteral("&Cancel"), QStringLiteral("&Delete"), QStringLiteral("&List"),
                     QStringLiteral("&Print"), QStringLiteral("E&xit")});
    auto *panel = new QVBoxLayout(Panel3D1);
    for (int i : {5, 0, 1, 2, 3, 4, 6, 7}) {
        cmdEdit[i]->setParent(Panel3D1);
        panel->addWidget(cmdEdit[i]);
    }
    makeMoveButtons();
    auto *moves = new QHBoxLayout;
    moves->addWidget(cmdMove[0]);
    moves->addWidget(cmdMove[1]);
    auto *side = new QVBoxLayout;
    side->addLayout(moves);
    side->addWidget(Panel3D1);
    side->addStretch();

    auto *outer = new QHBoxLayout(this);
    outer->addLayout(side);
    outer->addWidget(formArea_, 1);

    // Tab (and Enter) walk the fields in the order a W-2 is filled in.
    QVector<QWidget *> order = {MaskedEdit1, Text1[1], Text1[2], Text1[6], Text1[7], Text1[8]};
    for (int i = 20; i <= 30; ++i)
        order.append(Text1[i]);
    for (int r = 0; r < 4; ++r)
        order << Text1[codeField[r]] << Text1[amountField[r]];
    order << chkOpt[0] << chkOpt[2] << chkOpt[4] << Text1[15] << Text1[16] << Text1[17];
    order << cboState[0] << Text1[33] << Text1[34] << Text1[35] << Text1[36] << Text1[18];
    order << cboState[1] << Text1[38] << Text1[39] << Text1[41] << Text1[42] << Text1[19];
    order << Text1[0] << cmdMove[0] << cmdMove[1];
    for (int i : {5, 0, 1, 2, 3, 4, 6, 7})
        order << cmdEdit[i];
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void W2::open(MDIForm1 &mainWindow)
{
    AppContext &ctx = mainWindow.context();
    for (QMdiSubWindow *sub : mainWindow.mdiArea()->subWindowList()) {
        // Entering W-2s and printing them do not go on side by side.
        if (sub->widget() && sub->widget()->objectName() == QLatin1String("PrtSelW2"))
            sub->close();
        if (auto *open = qobject_cast<W2 *>(sub->widget())) {
            // Another employer's W-2s: that screen closes (asking to save) and this one opens.
            if (open->employer().tfid == ctx.state.gTfid || !sub->close()) {
                mainWindow.mdiArea()->setActiveSubWindow(sub);
                return;
            }
        }
    }
    auto *screen = new W2(ctx, [&mainWindow](ScreenId which) { mainWindow.openScreen(which); });
    mainWindow.showChild(screen);
    screen->load();
}

void W2::loadData()
{
    Database &db = context().state.gDatabase;
    employer_ = W2Employer::read(db, employer_.tfid);
    limits_ = readW2Limits(db);
    lblEmployerId->setText(employer_.fedIdNo);
    for (int i = 0; i < 4; ++i)
        lblEmployer[i]->setText(employer_.nameAndAddress[i]);
    if (!limits_.year.isEmpty())
        lblFormTitle_->setText(QStringLiteral("Wage and Tax Statement ") + limits_.year);
}

QSize W2::sizeHint() const
{
    // The fields' own preferred widths would make the form wider than most main windows; it
    // is laid out from the widths set for each field instead.
    const QSize least = minimumSizeHint();
    return {least.width() + least.width() / 10, least.height()};
}

QString W2::captionText() const
{
    const QString head = QStringLiteral("W2 employee input for employer %1 %2 Type %3 - ")
                             .arg(employer_.fedIdNo, employer_.estNo, employer_.filerType);
    if (recordCount() == 0)
        return head + QStringLiteral("Initial Employee");
    return head + QStringLiteral("Employee %1 of %2").arg(position()).arg(recordCount());
}

void W2::openedEmpty()
{
    SetCaption(0);
    fillControlNumber();
}

void W2::addStarted()
{
    fillControlNumber();
}

void W2::fillControlNumber()
{
    // The switch is read each time, so that the Options menu takes effect at once.
    if (!context().state.gW2AutoNumber)
        return;
    runSteps(context(), {[&] { Text1[0]->setText(QString::number(NextControlNumber(context().state.gDatabase))); }});
}

void W2::writeExtraColumns(RecordSet &row)
{
    employer_.copyInto(row);
}

void W2::deactivated()
{
    context().statusText(QString());
}

void W2::cmdEdit_Click(int index)
{
    RecordScreen::cmdEdit_Click(index);
    if (index == 6) {
        // The print screen closes this one when it opens.
        if (openScreen_)
            openScreen_(ScreenId::PrtSelW2);
    } else if (index == 7) {
        closeScreen();
    }
}

bool W2::ValidateRecord()
{
    W2Entry entry;
    entry.firstName = Text1[1]->text().trimmed();
    entry.lastName = Text1[2]->text().trimmed();
    entry.box2 = Text1[21]->text();
    entry.box3 = Text1[22]->text();
    entry.box4 = Text1[23]->text();
    entry.box5 = Text1[24]->text();
    entry.box6 = Text1[25]->text();
    entry.box9 = Text1[28]->text();
    entry.box12Codes = {Text1[9]->text(), Text1[11]->text(), Text1[13]->text(), Text1[47]->text()};
    entry.box12Amounts = {Text1[10]->text(), Text1[12]->text(), Text1[14]->text(), Text1[46]->text()};
    const W2CheckResult result = checkW2(entry, limits_, context().state.gW2EditsOn);

    if (result.missing == W2CheckResult::Missing::FirstName) {
        say(QStringLiteral("No employee first name entered"));
        Text1[1]->setFocus();
        return false;
    }
    if (result.missing == W2CheckResult::Missing::LastName) {
        say(QStringLiteral("No employee last name entered"));
        Text1[2]->setFocus();
        return false;
    }
    if (result.findings.isEmpty())
        return true;
    lastAnswer_ = result.critical() ? say(result.message())
                                    : say(result.message(), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (lastAnswer_ == Dialogs::Answer::Yes)
        return true;
    Text1[20]->setFocus();
    return false;
}

void W2::sickPayClicked()
{
    if (isLoading())
        return;
    QLineEdit *sickPay = Text1[3];
    if (!chkOpt[4]->isChecked()) {
        sickPay->setText(QStringLiteral("0.00"));
        return;
    }
    QString prompt = SickPayPrompt::first;
    QString entry = QStringLiteral("0");
    for (;;) {
        const std::optional<QString> answer = context().dialogs.input(prompt, SickPayPrompt::title, entry);
        if (!answer) {
            // Cancel means no sick pay is being reported: a tick without an amount would print
            // a claim the record does not back, so the box goes back to unticked.
            chkOpt[4]->setChecked(false);
            sickPay->setText(QStringLiteral("0.00"));
            return;
        }
        entry = *answer;
        std::optional<Money> accepted;
        switch (SickPayPrompt::check(entry, Text1[21]->text(), accepted)) {
        case SickPayPrompt::Verdict::NotANumber:
            prompt = SickPayPrompt::notNumber;
            break;
        case SickPayPrompt::Verdict::TooLarge:
            prompt = SickPayPrompt::tooLarge;
            break;
        case SickPayPrompt::Verdict::Accepted:
            sickPay->setText(accepted->toPlainString());
            return;
        }
    }
}

void W2::statePicked(int line, const QString &id)
{
    Text1[kStateIdField[line]]->setText(cboState[line]->currentText().trimmed().isEmpty() ? QString() : id);
    markChanged();
}

void W2::clearStateLine(int line)
{
    cboState[line]->setEditText(QString());
    const int fields[2][6] = {{18, 32, 33, 34, 35, 36}, {19, 37, 38, 39, 41, 42}};
    for (int i : fields[line])
        Text1[i]->clear();
}

bool W2::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
                            key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        // A control number that the program hands out is not typed over.
        if (watched == Text1[0] && context().state.gW2AutoNumber && typing) {
            context().dialogs.beep();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        for (int i : {0, 2, 4}) {
            if (watched != chkOpt[i])
                continue;
            QPalette palette = LabelOpt[i]->palette();
            palette.setColor(QPalette::WindowText, event->type() == QEvent::FocusIn
                                                       ? kFocusGreen
                                                       : QApplication::palette().color(QPalette::WindowText));
            LabelOpt[i]->setPalette(palette);
        }
        break;
    case QEvent::MouseButtonRelease:
        // A label ticks its box as a click on the box would.
        for (int i : {0, 2, 4}) {
            if (watched == LabelOpt[i] && chkOpt[i]->isEnabled()) {
                chkOpt[i]->setFocus(Qt::MouseFocusReason);
                chkOpt[i]->click();
                return true;
            }
        }
        break;
    default:
        break;
    }
    return RecordScreen::eventFilter(watched, event);
}

} // namespace quillory
