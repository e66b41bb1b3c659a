#include "misc1099/Return1099Screen.h"

#include "data/ReturnTable.h"
#include "data/Settings.h"
#include "misc1099/NecMove.h"
#include "misc1099/Thresholds1099.h"
#include "shell/PaperForm.h"
#include "shell/StateBox.h"
#include "shell/StepRunner.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quillory {

namespace {

QString boxName(const BoxRow &row)
{
    QString name = QStringLiteral("Box_") + QString::fromLatin1(row.box);
    if (!*row.box) // an unnumbered mark is named after its column
        name = QString::fromLatin1(row.column);
    return row.line ? name + QStringLiteral("_%1").arg(row.line) : name;
}

QString accessible(const BoxRow &row, const char *part = nullptr)
{
    QString name = QString::fromLatin1(row.caption);
    if (*row.box)
        name = QString::fromLatin1(row.box) + QLatin1Char(' ') + name;
    if (part)
        name += QStringLiteral(", ") + QLatin1String(part);
    if (row.line)
        name += QStringLiteral(", line %1").arg(row.line);
    return name;
}

} // namespace

Return1099Screen::Return1099Screen(AppContext &ctx, Kind kind, const ReturnEdition *(*editionOf)(int),
                                   const FilerKey &payer, OpenScreen openScreen, QWidget *parent)
    : RecordScreen(ctx, parent), kind_(std::move(kind)), openScreen_(std::move(openScreen)),
      year_(Settings::screenYear(ctx.state.gDatabase)), edition_(editionOf(year_))
{
    setObjectName(kind_.objectName);
    payerKey_ = {payer.fedIdNo, payer.estNo, payer.filerType, payer.tfid, {}};
}

bool Return1099Screen::prepareOpening(MDIForm1 &mainWindow, ScreenId which, const QMetaObject &type,
                                      const FilerKey &payer)
{
    // The print screen and the entry screens are never open together.
    mainWindow.closeChild(ScreenId::PrtSel1099);
    if (auto *open = static_cast<Return1099Screen *>(mainWindow.raiseChild(type))) {
        if (open->payerTfid() == payer.tfid)
            return false;
        mainWindow.closeChild(which); // another payer's; asks to save its changes first
    }
    offerBox7Move(mainWindow.context());
    return true;
}

void offerBox7Move(AppContext &ctx)
{
    runSteps(ctx, {[&ctx] {
                 offerNecMove(ctx.state.gDatabase, [&ctx](int returns) {
                     const QString text =
                         QStringLiteral("Nonemployee compensation is reported on Form 1099-NEC since tax year 2020. "
                                        "%1 1099-MISC return(s) still hold it in box 7 of the older form.\r"
                                        "Move these amounts to 1099-NEC returns of the same recipients now?\r"
                                        "This question is asked once; whatever the answer, no amount is lost.")
                             .arg(returns);
                     return ctx.dialogs.message(text, ctx.state.gAppTitle, Dialogs::Icon::Question,
                                                Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
                 });
             }});
}

void Return1099Screen::finishSetup()
{
    RecordScreenSetup &setup = this->setup();
    setup.table = kind_.table;
    setup.rows = [tfid = payerKey_.tfid, table = kind_.table](Database &db) {
        return returnTable::rowsOf(db, tfid, table);
    };
    setup.firstRecordMessage = QStringLiteral("This is the first recipient entered for taxpayer.\r"
                                              "Opening screen in edit mode.");
    setup.activeStatus = kind_.activeStatus;
    setup.deletingStatus = kind_.deletingStatus;
    setup.noRecordsMessage = QStringLiteral("No records.");
    setup.closeBeforeNoRecords = true;
    setup.moves.needRows = true;
    setup.moves.addBlocks = true;
    setup.moves.homeEndKeys = true;
    setup.focus.firstField = Text1[kRecipientId];
    setup.focus.afterMove = false;
    setup.list.caption = QStringLiteral("Recipient List");
    setup.list.rows = [tfid = payerKey_.tfid, table = kind_.table](Database &db) {
        return returnTable::listOf(db, tfid, table);
    };
    setup.list.columns = {{QStringLiteral("ID Number"), Twips()}, {QStringLiteral("Name"), Twips()}};
    setup.list.keys = {QStringLiteral("RecIDNo")};
    setup.list.area = fieldsArea_;
    setup.list.disables = {Panel3D1};
    for (QLineEdit *field : Text1)
        if (field)
            setup.list.disables.append(field);
    for (QCheckBox *box : Check1)
        if (box)
            setup.list.disables.append(box);
    for (QWidget *box : std::as_const(boxFields))
        if (!setup.list.disables.contains(box))
            setup.list.disables.append(box);
    for (int index : kStateNumber)
        connectStateBox(index);
}

QLineEdit *Return1099Screen::newLineEdit(const QString &name, const QString &accessibleName, int chars)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    // The form keeps the widths given here, so that it fits the main window's usual size.
    edit->setMinimumWidth(fontMetrics().averageCharWidth() * (chars + 1));
    edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return edit;
}

void Return1099Screen::makeRecipientFields(const RecipientCaptions &c)
{
    const struct {
        int index;
        const char *column, *name;
        int chars;
    } fields[] = {{kRecipientId, "RecIDNo", c.id, 13},          {kRecipientName, "RecName1", c.name, 30},
                  {kRecipientName + 1, "RecName2", c.name, 30}, {kStreet, "RecAddr", c.street, 28},
                  {kCity, "RecCityStZip", c.city, 28},          {kAccount, "AcctNo", c.account, 16}};
    for (const auto &f : fields) {
        QString name = QString::fromLatin1(f.name);
        if (f.index == kRecipientName || f.index == kRecipientName + 1)
            name += QStringLiteral(", line %1").arg(f.index - kRecipientName + 1);
        Text1[f.index] = newLineEdit(QStringLiteral("Text1_%1").arg(f.index), name, f.chars);
        addField(Text1[f.index], QString::fromLatin1(f.column)).withKeys(RecordField::UpperCase);
    }
}

void Return1099Screen::makeRecipientChecks()
{
    const char *const checks[2][3] = {{"2nd TIN Not.", "2nd TIN Not.", "TIN"},
                                      {"Corrected", "Corrected", "CorrectedFlag"}};
    for (int i = 0; i < 2; ++i) {
        Check1[i] = new QCheckBox(QString::fromLatin1(checks[i][1]), this);
        Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        Check1[i]->setAccessibleName(QString::fromLatin1(checks[i][0]));
        addField(Check1[i], QString::fromLatin1(checks[i][2]));
    }
}

void Return1099Screen::makeStateBox(int line, const QString &codeColumn, const QString &name)
{
    const int index = kStateNumber[line];
    auto *box = new StateBox(this);
    box->setObjectName(QStringLiteral("cboState_%1").arg(index));
    box->setAccessibleName(name);
    box->setMinimumWidth(fontMetrics().averageCharWidth() * 7);
    box->setEntrySource([this] {
        StateBox::Entries entries;
        for (const StateSlot &slot : payer_.stateChoices())
            entries.append({slot.code, slot.id});
        return entries;
    });
    cboState[index] = box;
    // State codes are typed in capitals.
    addField(box, codeColumn).withKeys(RecordField::UpperCase);
    // Filled from the state box; it can still be clicked into and typed over.
    Text1[index]->setFocusPolicy(Qt::ClickFocus);
}

void Return1099Screen::makeLabels()
{
    // The payer, as stored with the filer.
    for (int i = 0; i < 4; ++i) {
        lblEmployer[i] = new QLabel(this);
        lblEmployer[i]->setObjectName(QStringLiteral("lblEmployer_%1").arg(i));
        lblEmployer[i]->setAccessibleName(QStringLiteral("Employer's name, address, and ZIP code, line %1").arg(i + 1));
        lblEmployer[i]->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    }
    lblFedIDNo_ = new QLabel(payerKey_.fedIdNo, this);
    lblFedIDNo_->setObjectName(QStringLiteral("lblFedIDNo"));
}

QWidget *Return1099Screen::stateLine(int line)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cboState[kStateNumber[line]]);
    layout->addWidget(Text1[kStateNumber[line]], 1);
    return row;
}

void Return1099Screen::placeForm(PaperForm *form, const QVector<QWidget *> &tabOrder)
{
    fieldsArea_ = new QWidget(this);
    fieldsArea_->setObjectName(QStringLiteral("fieldsArea"));
    auto *fieldsLayout = new QVBoxLayout(fieldsArea_);
    fieldsLayout->addWidget(Check1[kCorrected], 0, Qt::AlignHCenter);
    fieldsLayout->addWidget(form);
    fieldsLayout->addStretch();

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(makeEntryButtons(Panel3D1));
    outer->addWidget(fieldsArea_, 1);
    // Tab (and Enter) walk the fields in the order the form is filled in.
    setEntryTabOrder(tabOrder);
}

QWidget *Return1099Screen::editionBox(const BoxRow &row)
{
    const QString column = QString::fromLatin1(row.column);
    switch (row.kind) {
    case BoxKind::Mark: {
        auto *check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("chk") + boxName(row));
        check->setAccessibleName(accessible(row));
        addField(check, column);
        boxFields.insert(column, check);
        return check;
    }
    case BoxKind::TipCodes: {
        auto *pair = new QWidget(this);
        auto *layout = new QHBoxLayout(pair);
        layout->setContentsMargins(0, 0, 0, 0);
        const char *const parts[2] = {"first code", "second code"};
        const QString columns[2] = {column, QString::fromLatin1(row.column2)};
        for (int i = 0; i < 2; ++i) {
            QLineEdit *code =
                newLineEdit(QStringLiteral("txt%1_%2").arg(boxName(row)).arg(i + 1), accessible(row, parts[i]), 4);
            addField(code, columns[i]).withKeys(RecordField::Numeric);
            boxFields.insert(columns[i], code);
            layout->addWidget(code);
        }
        return pair;
    }
    case BoxKind::State: {
        const int index = kStateNumber[row.line - 1];
        Text1[index] = newLineEdit(QStringLiteral("Text1_%1").arg(index), accessible(row, "payer's state no."), 11);
        addField(Text1[index], QString::fromLatin1(row.column2)).withKeys(RecordField::UpperCase);
        makeStateBox(row.line - 1, column, accessible(row, "state"));
        boxFields.insert(column, cboState[index]);
        boxFields.insert(QString::fromLatin1(row.column2), Text1[index]);
        return stateLine(row.line - 1);
    }
    case BoxKind::Amount:
        break;
    }
    QLineEdit *amount = newLineEdit(QStringLiteral("txt") + boxName(row), accessible(row), 19);
    addField(amount, column).withKeys(RecordField::Numeric | RecordField::UpperCase);
    boxFields.insert(column, amount);
    return amount;
}

PaperForm *Return1099Screen::editionPayerAndRecipient()
{
    auto *form = new PaperForm(this);
    form->setObjectName(QStringLiteral("paperForm"));
    form->setWrappingCaptions(true);
    form->addBand({2, 2, 1, 1, 1});
    auto *formName = new QLabel(
        QStringLiteral("Form %1 (%2)").arg(QLatin1String(edition_->form), QLatin1String(edition_->revision)), this);
    formName->setObjectName(QStringLiteral("lblFormName"));
    form->addBoxes({
        {QString(),
         QStringLiteral("PAYER'S name, address, and ZIP code"),
         {0, 0, 4, 2},
         {lblEmployer[0], lblEmployer[1], lblEmployer[2], lblEmployer[3]}},
        {QString(), QStringLiteral("PAYER'S TIN"), {4, 0}, {lblFedIDNo_}},
        {QString(), Text1[kRecipientId]->accessibleName(), {4, 1}, {Text1[kRecipientId]}},
        {QString(),
         QStringLiteral("RECIPIENT'S name"),
         {5, 0, 1, 2},
         {Text1[kRecipientName], Text1[kRecipientName + 1]}},
        {QString(), Text1[kStreet]->accessibleName(), {6, 0, 1, 2}, {Text1[kStreet]}},
        {QString(), Text1[kCity]->accessibleName(), {7, 0, 1, 2}, {Text1[kCity]}},
        {QString(), Text1[kAccount]->accessibleName(), {8, 0}, {Text1[kAccount]}},
        {QString(), QString(), {8, 1}, {Check1[kSecondTin]}},
        {QString(), QString(), {0, 4, 2, 1}, {formName}},
    });
    return form;
}

void Return1099Screen::buildEditionForm()
{
    makeRecipientFields({"RECIPIENT'S TIN", "RECIPIENT'S name", "Street address (including apt. no.)",
                         "City or town, state or province, country, and ZIP or foreign postal code",
                         "Account number (see instructions)"});
    QVector<QWidget *> tabOrder = {Text1[kRecipientId], Text1[kRecipientName], Text1[kRecipientName + 1],
                                   Text1[kStreet],      Text1[kCity],          Text1[kAccount]};
    makeRecipientChecks();
    tabOrder << Check1[kSecondTin];
    makeLabels();

    PaperForm *form = editionPayerAndRecipient();
    // The recipient's name for IRIS beside the boxes, where the paper form has none.
    irisNames_ = std::make_unique<IrisNameFields>(this, QStringLiteral("Recipient's"));
    form->addBox({QString(),
                  QStringLiteral("RECIPIENT'S name for IRIS (not on the form)"),
                  {2, 4, 7, 1},
                  {irisNames_->column(this)}});
    // The boxes one or two to a row; then the state lines, one box per column, two lines each.
    QMap<QString, PaperForm::Box> stateBoxes;
    QStringList stateOrder;
    for (const BoxRow &row : edition_->boxes) {
        QWidget *control = editionBox(row);
        if (row.kind == BoxKind::State)
            tabOrder << cboState[kStateNumber[row.line - 1]];
        else if (row.kind == BoxKind::TipCodes)
            tabOrder << boxFields.value(QString::fromLatin1(row.column))
                     << boxFields.value(QString::fromLatin1(row.column2));
        else
            tabOrder << control;
        const QString caption = QString::fromLatin1(row.caption);
        if (row.line == 0) {
            form->addBox({QString::fromLatin1(row.box), caption, {row.row, 2 + row.col}, {control}});
            continue;
        }
        const QString key = QString::fromLatin1(row.box);
        if (!stateBoxes.contains(key)) {
            stateBoxes.insert(key, {key, caption, {0, row.col}, {}});
            stateOrder << key;
        }
        stateBoxes[key].contents << control;
    }
    form->addBand({1, 1, 1});
    for (const QString &key : stateOrder)
        form->addBox(stateBoxes.value(key));
    irisNames_->bind([this](QWidget *field, const QString &column) -> RecordField & { return addField(field, column); },
                     QStringLiteral("Rec"));
    tabOrder << irisNames_->tabOrder() << Check1[kCorrected];
    placeForm(form, tabOrder);
}

void Return1099Screen::connectStateBox(int index)
{
    StateBox *box = cboState[index];
    if (!box)
        return;
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

void Return1099Screen::fillStateNumber(int index)
{
    const QString code = cboState[index]->currentText().trimmed();
    if (code.isEmpty())
        Text1[index]->clear();
    else if (const auto number = payer_.stateNumber(code))
        Text1[index]->setText(*number);
}

void Return1099Screen::loadData()
{
    payer_ = readPayerDetails(context().state.gDatabase, payerKey_.fedIdNo);
    for (int i = 0; i < 4; ++i) {
        payerKey_.labels[i] = payer_.labels[i];
        lblEmployer[i]->setText(payer_.labels[i]);
    }
}

QString Return1099Screen::captionText() const
{
    return QStringLiteral("%1 information for employer %2 - record %3 of %4")
        .arg(kind_.captionName, payerKey_.fedIdNo)
        .arg(position())
        .arg(recordCount());
}

QString Return1099Screen::listCaptionText() const
{
    return QStringLiteral("%1 input for employer %2 - record %3 of %4")
        .arg(kind_.captionName, payerKey_.fedIdNo)
        .arg(position())
        .arg(recordCount());
}

Money Return1099Screen::shownAmount(const QString &column) const
{
    QWidget *field = boxFields.value(column);
    if (auto *check = qobject_cast<QCheckBox *>(field))
        return check->isChecked() ? Money::fromCents(1) : Money();
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        if (auto m = Money::parse(edit->text().trimmed(), QLocale()))
            return *m;
        return Money::parse(edit->text().trimmed()).value_or(Money());
    }
    return Money();
}

bool Return1099Screen::ValidateRecord()
{
    const QString problem = recipientNameProblem(Text1[kRecipientName]->text());
    if (!problem.isEmpty()) {
        say(problem);
        Text1[kRecipientName]->setFocus();
        return false;
    }
    if (!edition_)
        return true;
    for (const BoxRow &row : edition_->boxes) {
        if (row.kind != BoxKind::TipCodes)
            continue;
        for (const char *column : {row.column, row.column2}) {
            auto *code = static_cast<QLineEdit *>(boxFields.value(QString::fromLatin1(column)));
            const QString codeProblem = tipCodeProblem(QString::fromLatin1(row.box), code->text().trimmed());
            if (!codeProblem.isEmpty()) {
                say(codeProblem);
                refocus(code);
                return false;
            }
        }
    }
    // Below the year's thresholds the return is not required; the user may keep it all the same.
    Database &db = context().state.gDatabase;
    if (belowThresholds(db, year_, kind_.form, [this](const QString &column) { return shownAmount(column); }) &&
        say(belowThresholdsQuestion(year_, kind_.form), Dialogs::Icon::Question, Dialogs::Buttons::YesNo) ==
            Dialogs::Answer::No)
        return false;
    return true;
}

void Return1099Screen::writeExtraColumns(RecordSet &record)
{
    writePayerColumns(record, payerKey_);
}

void Return1099Screen::cmdEdit_Click(int index)
{
    RecordScreen::cmdEdit_Click(index);
    if (index == 6) {
        // This screen closes (asking to save its changes) before the print screen opens.
        const OpenScreen openScreen = openScreen_;
        const FilerKey payer{payerKey_.fedIdNo, payerKey_.tfid, payerKey_.filerType, payerKey_.estNo};
        closeScreen();
        if (openScreen)
            openScreen(ScreenId::PrtSel1099, payer);
    } else if (index == 7) {
        closeScreen();
    }
}

void Return1099Screen::deactivated()
{
    context().statusText(QString());
}

} // namespace quillory
