#include "misc1099/Misc1099Screen.h"

#include "misc1099/Misc1099Rows.h"

#include "shell/StateBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillory {

namespace {

// The boxes of the paper form: right and bottom rules here, the form's own frame draws the
// top and left ones, so that neighbouring boxes share one line.
const char *const kFormStyle = "QFrame[formBox=\"true\"] { border: none; border-right: 1px solid palette(dark);"
                               " border-bottom: 1px solid palette(dark); }"
                               "QFrame#paperForm { border: none; border-top: 1px solid palette(dark);"
                               " border-left: 1px solid palette(dark); }";

QFont captionFont(const QWidget *w)
{
    QFont f = w->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    return f;
}

} // namespace

Misc1099::Misc1099(AppContext &ctx, OpenScreen openScreen, QWidget *parent)
    : RecordScreen(ctx, parent), openScreen_(std::move(openScreen))
{
    setObjectName(QStringLiteral("Misc1099"));
    const AppState &s = ctx.state;
    // The payer is fixed when the screen opens: other screens may choose another one meanwhile.
    payerKey_ = {s.gFedIDNo, s.gEstNo, s.gFilerType, s.gTfid, {}};
    buildForm();

    RecordScreenSetup &setup = this->setup();
    setup.table = QStringLiteral("1099Misc");
    setup.rows = [tfid = payerKey_.tfid](Database &db) { return misc1099::rowsOf(db, tfid); };
    setup.firstRecordMessage = QStringLiteral("This is the first recipient entered for taxpayer.\r"
                                              "Opening screen in edit mode.");
    setup.activeStatus = QStringLiteral("1099Misc screen");
    setup.deletingStatus = QStringLiteral("Deleting Current W2......");
    setup.noRecordsMessage = QStringLiteral("No records.");
    setup.closeBeforeNoRecords = true;
    setup.movesNeedRows = true;
    setup.addBlocksMoves = true;
    setup.homeEndKeys = true;
    setup.firstField = Text1[6];
    setup.focusAfterMove = false;
    setup.listCaption = QStringLiteral("Recipient List");
    setup.listRows = [tfid = payerKey_.tfid](Database &db) { return misc1099::listOf(db, tfid); };
    setup.listColumns = {{QStringLiteral("ID Number")}, {QStringLiteral("Name")}};
    setup.listKeys = {QStringLiteral("RecIDNo")};
    setup.listArea = fieldsArea_;
    setup.listDisables = {Panel3D1};

    struct Column {
        int index;
        const char *name;
    };
    const Column texts[] = {{6, "RecIDNo"}, {4, "RecName1"}, {5, "RecName2"}, {7, "RecAddr"},    {8, "RecCityStZip"},
                            {9, "AcctNo"},  {3, "Box15a"},   {24, "Box15b"},  {20, "Box17b_L1"}, {26, "Box17b_L2"}};
    const Column amounts[] = {{10, "Box1"},  {11, "Box2"},     {12, "Box3"},     {13, "Box4"},     {17, "Box5"},
                              {14, "Box6"},  {18, "Box7"},     {15, "Box8"},     {16, "Box10"},    {28, "Box13"},
                              {29, "Box14"}, {30, "Box16_L1"}, {31, "Box16_L2"}, {32, "Box18_L1"}, {33, "Box18_L2"}};
    for (const Column &c : texts)
        addField(Text1[c.index], QString::fromLatin1(c.name)).withKeys(RecordField::UpperCase);
    for (const Column &c : amounts)
        addField(Text1[c.index], QString::fromLatin1(c.name)).withKeys(RecordField::Numeric | RecordField::UpperCase);
    addField(Check1[0], QStringLiteral("TIN"));
    addField(Check1[1], QStringLiteral("CorrectedFlag"));
    addField(Check1[2], QStringLiteral("Box9"));
    addField(cboState[20], QStringLiteral("Box17a_L1"));
    addField(cboState[26], QStringLiteral("Box17a_L2"));
    for (QLineEdit *field : Text1)
        if (field)
            setup.listDisables.append(field);
    for (QCheckBox *box : Check1)
        setup.listDisables.append(box);

    connectStateBox(20);
    connectStateBox(26);
}

void Misc1099::buildForm()
{
    fieldsArea_ = new QWidget(this);
    fieldsArea_->setObjectName(QStringLiteral("fieldsArea"));
    fieldsArea_->setStyleSheet(QString::fromLatin1(kFormStyle));
    const int charWidth = fontMetrics().averageCharWidth();

    auto makeField = [&](int index, const QString &accessibleName, int chars) {
        auto *edit = new QLineEdit(fieldsArea_);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(index));
        edit->setAccessibleName(accessibleName);
        // The form keeps the widths given here, so that it fits the main window's usual size.
        edit->setMinimumWidth(charWidth * (chars + 1));
        edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        Text1[index] = edit;
        return edit;
    };
    auto makeCheck = [&](int index, const QString &caption, const QString &text) {
        auto *check = new QCheckBox(text, fieldsArea_);
        check->setObjectName(QStringLiteral("Check1_%1").arg(index));
        check->setAccessibleName(caption);
        Check1[index] = check;
        return check;
    };
    // Long captions wrap within their box's width instead of widening it.
    QSizePolicy wrapping(QSizePolicy::Ignored, QSizePolicy::Preferred);
    wrapping.setHeightForWidth(true);
    // One box of the paper form: its caption above what it holds.
    auto formBox = [&](const QString &caption, const QVector<QWidget *> &contents, QWidget *buddy = nullptr) {
        auto *frame = new QFrame(fieldsArea_);
        frame->setProperty("formBox", true);
        auto *layout = new QVBoxLayout(frame);
        layout->setContentsMargins(4, 2, 4, 4);
        layout->setSpacing(2);
        if (!caption.isEmpty()) {
            auto *label = new QLabel(caption, frame);
            label->setFont(captionFont(this));
            label->setWordWrap(true);
            label->setSizePolicy(wrapping);
            label->setBuddy(buddy ? buddy : (contents.isEmpty() ? nullptr : contents.first()));
            layout->addWidget(label);
        }
        for (QWidget *w : contents) {
            w->setParent(frame);
            layout->addWidget(w);
        }
        layout->addStretch();
        return frame;
    };
    auto amountBox = [&](int index, const QString &caption) {
        return formBox(caption, {makeField(index, caption, 19)});
    };
    auto twoLines = [&](int line1, int line2, const QString &caption, int chars) {
        return formBox(caption, {makeField(line1, caption + QStringLiteral(", line 1"), chars),
                                 makeField(line2, caption + QStringLiteral(", line 2"), chars)});
    };
    auto stateLine = [&](int index, const QString &line) {
        auto *row = new QWidget(fieldsArea_);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *box = new StateBox(row);
        box->setObjectName(QStringLiteral("cboState_%1").arg(index));
        box->setAccessibleName(QStringLiteral("State, line ") + line);
        box->setMinimumWidth(charWidth * 7);
        box->setEntrySource([this] {
            StateBox::Entries entries;
            for (const StateSlot &slot : payer_.stateChoices())
                entries.append({slot.code, slot.id});
            return entries;
        });
        cboState[index] = box;
        QLineEdit *number = makeField(index, QStringLiteral("Payer's state no, line ") + line, 11);
        // Filled from the state box; it can still be clicked into and typed over.
        number->setFocusPolicy(Qt::ClickFocus);
        number->setParent(row);
        layout->addWidget(box);
        layout->addWidget(number, 1);
        return row;
    };

    // The payer, as stored with the filer.
    auto *payerBox = new QWidget(fieldsArea_);
    auto *payerLines = new QVBoxLayout(payerBox);
    payerLines->setContentsMargins(0, 0, 0, 0);
    payerLines->setSpacing(1);
    for (int i = 0; i < 4; ++i) {
        lblEmployer[i] = new QLabel(payerBox);
        lblEmployer[i]->setObjectName(QStringLiteral("lblEmployer_%1").arg(i));
        lblEmployer[i]->setAccessibleName(QStringLiteral("Employer's name, address, and ZIP code, line %1").arg(i + 1));
        lblEmployer[i]->setMinimumWidth(charWidth * 30);
        payerLines->addWidget(lblEmployer[i]);
    }
    lblFedIDNo_ = new QLabel(fieldsArea_);
    lblFedIDNo_->setObjectName(QStringLiteral("lblFedIDNo"));
    lblFedIDNo_->setText(payerKey_.fedIdNo);

    auto *form = new QFrame(fieldsArea_);
    form->setObjectName(QStringLiteral("paperForm"));
    auto *grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    grid->addWidget(formBox(QStringLiteral("Employer's name, address, and ZIP code"), {payerBox}), 0, 0, 3, 2);
    grid->addWidget(amountBox(10, QStringLiteral("1.  Rents")), 0, 2);
    grid->addWidget(amountBox(11, QStringLiteral("2.  Royalties")), 1, 2);
    grid->addWidget(amountBox(12, QStringLiteral("3.  Other income")), 2, 2);
    grid->addWidget(amountBox(13, QStringLiteral("4.  Federal tax withheld")), 2, 3);
    grid->addWidget(formBox(QStringLiteral("PAYER'S Federal identification number"), {lblFedIDNo_}), 3, 0);
    grid->addWidget(formBox(QStringLiteral("RECEIPIENT'S identification number"),
                            {makeField(6, QStringLiteral("RECEIPIENT'S identification number"), 13)}),
                    3, 1);
    grid->addWidget(amountBox(17, QStringLiteral("5.  Fishing boat proceeds")), 3, 2);
    grid->addWidget(amountBox(14, QStringLiteral("6.  Medical/health care")), 3, 3);
    grid->addWidget(twoLines(4, 5, QStringLiteral("RECEIPIENT'S name"), 30), 4, 0, 1, 2);
    grid->addWidget(amountBox(18, QStringLiteral("7.  Nonemployee compensation")), 4, 2);
    grid->addWidget(amountBox(15, QStringLiteral("8. Substitute payments in lieu of dividends or interest")), 4, 3);
    grid->addWidget(formBox(QStringLiteral("Street address (including apt. no.)"),
                            {makeField(7, QStringLiteral("Street address (including apt. no.)"), 28)}),
                    5, 0, 1, 2);
    const QString box9 = QStringLiteral("9.  Payer made direct sales of $5,000 or more of consumer products to a buyer "
                                        "(recipient) for resale");
    grid->addWidget(formBox(box9, {makeCheck(2, box9, {})}), 5, 2);
    grid->addWidget(amountBox(16, QStringLiteral("10. Crop insurance proceeds")), 5, 3);
    grid->addWidget(formBox(QStringLiteral("City, state, and ZIP code"),
                            {makeField(8, QStringLiteral("City, state, and ZIP code"), 28)}),
                    6, 0, 1, 2);
    grid->addWidget(amountBox(28, QStringLiteral("13.  Excess Golden Parachute Pymts.")), 6, 2);
    grid->addWidget(amountBox(29, QStringLiteral("14.  Gross proceeds paid to an attorney")), 6, 3);
    grid->addWidget(formBox(QStringLiteral("Account number (optional)"),
                            {makeField(9, QStringLiteral("Account number (optional)"), 16)}),
                    7, 0);
    grid->addWidget(formBox({}, {makeCheck(0, QStringLiteral("2nd TIN Not."), QStringLiteral("2nd TIN Not."))}), 7, 1);
    grid->addWidget(formBox({}, {}), 7, 2, 1, 2);
    grid->addWidget(twoLines(3, 24, QStringLiteral("15. Informational use only"), 28), 8, 0, 1, 2);
    grid->addWidget(twoLines(30, 31, QStringLiteral("16. State tax withheld"), 19), 8, 2);
    QWidget *state1 = stateLine(20, QStringLiteral("1"));
    QWidget *state2 = stateLine(26, QStringLiteral("2"));
    grid->addWidget(formBox(QStringLiteral("17. State/Payer's state no"), {state1, state2}, cboState[20]), 8, 3);
    grid->addWidget(twoLines(32, 33, QStringLiteral("18. State income"), 19), 8, 4);

    // The form's name and notice stand at its right edge, as on paper.
    auto *title = new QLabel(QStringLiteral("Miscellaneous Income "), fieldsArea_);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    title->setFont(big);
    title->setWordWrap(true);
    auto *notice =
        new QLabel(QStringLiteral("For Paperwork Reduction  Act  Notice and instructions for completing this "
                                  "form, see Instructions for Forms 1099, 1098, 5498 and W-2G."),
                   fieldsArea_);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setFont(captionFont(this));
    notice->setWordWrap(true);
    notice->setSizePolicy(wrapping);
    title->setSizePolicy(wrapping);
    QFrame *side = formBox({}, {title, notice});
    side->setMinimumWidth(charWidth * 22);
    static_cast<QVBoxLayout *>(side->layout())->insertStretch(1);
    grid->addWidget(side, 0, 4, 8, 1);
    auto *formName = new QLabel(QStringLiteral("Form 1099-MISC"), fieldsArea_);
    formName->setObjectName(QStringLiteral("lblFormName"));
    grid->addWidget(formBox({}, {formName}), 0, 3, 2, 1);
    for (int c = 0; c < 5; ++c)
        grid->setColumnStretch(c, 1);

    makeCheck(1, QStringLiteral("Corrected"), QStringLiteral("Corrected"));
    auto *fieldsLayout = new QVBoxLayout(fieldsArea_);
    fieldsLayout->addWidget(Check1[1], 0, Qt::AlignHCenter);
    fieldsLayout->addWidget(form);
    fieldsLayout->addStretch();

    // The buttons, top to bottom: moves, then List, Add, Edit, Save, Cancel, Delete, Print, Exit.
    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    Panel3D1->setFrameShape(QFrame::StyledPanel);
    makeEditButtons({QStringLiteral("&Add"), QStringLiteral("&Edit"), QStringLiteral("&Save"),
                     QStringLiteral("&Cancel"), QStringLiteral("&Delete"), QStringLiteral("&List"),
                     QStringLiteral("&Print"), QStringLiteral("E&xit")});
    auto *panelLayout = new QVBoxLayout(Panel3D1);
    for (int i : {5, 0, 1, 2, 3, 4, 6, 7}) {
        cmdEdit[i]->setParent(Panel3D1);
        panelLayout->addWidget(cmdEdit[i]);
    }
    makeMoveButtons();
    for (QPushButton *move : cmdMove)
        move->setMaximumWidth(charWidth * 6);
    auto *moves = new QHBoxLayout;
    moves->addWidget(cmdMove[0]);
    moves->addWidget(cmdMove[1]);
    auto *buttons = new QVBoxLayout;
    buttons->addLayout(moves);
    buttons->addWidget(Panel3D1);
    buttons->addStretch();

    auto *outer = new QHBoxLayout(this);
    outer->addLayout(buttons);
    outer->addWidget(fieldsArea_, 1);

    setTabOrder();
}

void Misc1099::setTabOrder()
{
    // Enter walks the same way.
    QVector<QWidget *> order = {Text1[6],  Text1[4],     Text1[5],  Text1[7],     Text1[8],   Text1[9],
                                Check1[0], Text1[10],    Text1[11], Text1[12],    Text1[13],  Text1[17],
                                Text1[14], Text1[18],    Text1[15], Check1[2],    Text1[16],  Text1[28],
                                Text1[29], Text1[3],     Text1[30], cboState[20], Text1[32],  Text1[24],
                                Text1[31], cboState[26], Text1[33], Check1[1],    cmdMove[0], cmdMove[1]};
    for (int i : {5, 0, 1, 2, 3, 4, 6, 7})
        order.append(cmdEdit[i]);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Misc1099::connectStateBox(int index)
{
    StateBox *box = cboState[index];
    connect(box, &StateBox::picked, this, [this, index](const QString &, const QString &number) {
        Text1[index]->setText(cboState[index]->currentText().trimmed().isEmpty() ? QString() : number);
    });
    // Emptying the state empties its number, and an empty number follows the state typed.
    connect(box, &QComboBox::editTextChanged, this, [this, index](const QString &text) {
        if (!isLoading() && (text.trimmed().isEmpty() || Text1[index]->text().isEmpty()))
            fillStateNumber(index);
    });
    connect(box, &StateBox::deletePressed, this, [this, index] {
        cboState[index]->setEditText(QString());
        Text1[index]->clear();
    });
}

void Misc1099::fillStateNumber(int index)
{
    const QString code = cboState[index]->currentText().trimmed();
    if (code.isEmpty())
        Text1[index]->clear();
    else if (const auto number = payer_.stateNumber(code))
        Text1[index]->setText(*number);
}

void Misc1099::open(MDIForm1 &mainWindow)
{
    QMdiArea *area = mainWindow.mdiArea();
    const int tfid = mainWindow.context().state.gTfid;
    for (QMdiSubWindow *sub : area->subWindowList()) {
        QWidget *screen = sub->widget();
        // The print screen and this one are never open together.
        if (screen && screen->objectName() == QLatin1String("PrtSel1099")) {
            sub->close();
        } else if (auto *open = qobject_cast<Misc1099 *>(screen)) {
            if (open->payerTfid() == tfid) {
                area->setActiveSubWindow(sub);
                return;
            }
            sub->close(); // another payer's; asks to save its changes first
        }
    }
    auto *screen = new Misc1099(mainWindow.context(), [&mainWindow](ScreenId which) { mainWindow.openScreen(which); });
    mainWindow.showChild(screen);
    screen->load();
}

void Misc1099::loadData()
{
    payer_ = readPayerDetails(context().state.gDatabase, payerKey_.fedIdNo);
    for (int i = 0; i < 4; ++i) {
        payerKey_.labels[i] = payer_.labels[i];
        lblEmployer[i]->setText(payer_.labels[i]);
    }
}

QString Misc1099::captionText() const
{
    return QStringLiteral("1099 Misc information for employer %1 - record %2 of %3")
        .arg(payerKey_.fedIdNo)
        .arg(position())
        .arg(recordCount());
}

QString Misc1099::listCaptionText() const
{
    return QStringLiteral("1099 Misc input for employer %1 - record %2 of %3")
        .arg(payerKey_.fedIdNo)
        .arg(position())
        .arg(recordCount());
}

bool Misc1099::ValidateRecord()
{
    const QString problem = recipientNameProblem(Text1[4]->text());
    if (problem.isEmpty())
        return true;
    say(problem);
    Text1[4]->setFocus();
    return false;
}

void Misc1099::writeExtraColumns(RecordSet &record)
{
    writePayerColumns(record, payerKey_);
}

void Misc1099::cmdEdit_Click(int index)
{
    RecordScreen::cmdEdit_Click(index);
    if (index == 6) {
        // This screen closes (asking to save its changes) before the print screen opens.
        const OpenScreen openScreen = openScreen_;
        closeScreen();
        if (openScreen)
            openScreen(ScreenId::PrtSel1099);
    } else if (index == 7) {
        closeScreen();
    }
}

void Misc1099::deactivated()
{
    context().statusText(QString());
}

} // namespace quillory
