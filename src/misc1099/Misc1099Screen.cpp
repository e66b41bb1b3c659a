#include "misc1099/Misc1099Screen.h"

#include "misc1099/Misc1099Rows.h"

#include "shell/StateBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillory {

Misc1099::Misc1099(AppContext &ctx, OpenScreen openScreen, QWidget *parent)
    : RecordScreen(ctx, parent), openScreen_(std::move(openScreen))
{
    setObjectName(QStringLiteral("Misc1099"));
    const AppState &s = ctx.state;
    // The payer is fixed when the screen opens: other screens may choose another one meanwhile.
    payerKey_ = {s.gFedIDNo, s.gEstNo, s.gFilerType, s.gTfid, {}};
    makeFields();
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
    setup.firstField = Text1[kRecipientId];
    setup.focusAfterMove = false;
    setup.listCaption = QStringLiteral("Recipient List");
    setup.listRows = [tfid = payerKey_.tfid](Database &db) { return misc1099::listOf(db, tfid); };
    setup.listColumns = {{QStringLiteral("ID Number")}, {QStringLiteral("Name")}};
    setup.listKeys = {QStringLiteral("RecIDNo")};
    setup.listArea = fieldsArea_;
    setup.listDisables = {Panel3D1};

    for (QLineEdit *field : Text1)
        if (field)
            setup.listDisables.append(field);
    for (QCheckBox *box : Check1)
        setup.listDisables.append(box);

    for (int index : kStateNumber)
        connectStateBox(index);
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
    // The print screen and this one are never open together.
    mainWindow.closeChild(ScreenId::PrtSel1099);
    if (Misc1099 *open = mainWindow.raiseChild<Misc1099>()) {
        if (open->payerTfid() == mainWindow.context().state.gTfid)
            return;
        mainWindow.closeChild(ScreenId::Misc1099); // another payer's; asks to save its changes first
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
    const QString problem = recipientNameProblem(Text1[kRecipientName]->text());
    if (problem.isEmpty())
        return true;
    say(problem);
    Text1[kRecipientName]->setFocus();
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
