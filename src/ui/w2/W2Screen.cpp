#include "w2/W2Screen.h"

#include "data/DbError.h"
#include "data/W2Table.h"
#include "shell/RecordGrid.h"
#include "shell/StepRunner.h"
#include "w2/W2Checks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace quillory {

namespace {

// The colour of a check box's label while the box has the focus.
const QColor kFocusGreen(0, 255, 0);

} // namespace

W2::W2(AppContext &ctx, const FilerKey &employer, OpenScreen openScreen, QWidget *parent)
    : RecordScreen(ctx, parent), openScreen_(std::move(openScreen))
{
    setObjectName(QStringLiteral("W2"));
    setWindowTitle(QStringLiteral("W2 employee input"));
    try {
        form_ = w2YearFormOfSettings(ctx.state.gDatabase);
    } catch (const DbError &) {
        // Reported when the screen loads; until then the boxes of 2001.
    }
    makeFields();
    buildForm();

    RecordScreenSetup &s = setup();
    s.firstRecordMessage =
        QStringLiteral("This is the first employee entered for employer.\rOpening screen in edit mode.");
    s.uniqueColumn = QStringLiteral("Boxd");
    s.duplicateMessage = QStringLiteral("SSN already exists");
    s.activeStatus = QStringLiteral("W2 Screen");
    s.deletingStatus = QStringLiteral("Deleting Current W2......");
    s.moves.needRows = true;
    s.moves.addBlocks = true;
    s.focus.firstField = MaskedEdit1;
    // The list carries each W-2's row number in a hidden column and is matched by it, so that
    // two W-2s with one SSN stay apart.
    s.list.caption = QStringLiteral("Employee List");
    // The SSN column is wider than the names' so that a whole number shows in any font.
    s.list.columns = {{{}, Twips(), true},
                      {QStringLiteral("SSN"), Twips(1300)},
                      {QStringLiteral("First Name"), Twips(1200)},
                      {QStringLiteral("Last Name"), Twips(1200)}};
    s.list.keys = {QStringLiteral("id")};
    s.list.area = formArea_;
    s.list.disables = {Panel3D1};
    for (QLineEdit *field : Text1)
        if (field)
            s.list.disables.append(field);
    for (QCheckBox *box : chkOpt)
        if (box)
            s.list.disables.append(box);

    employer_.tfid = employer.tfid;
    s.table = QStringLiteral("W2");
    s.rows = [tfid = employer_.tfid](Database &db) { return w2Table::rowsOf(db, tfid); };
    s.list.rows = [tfid = employer_.tfid](Database &db) { return w2Table::listOf(db, tfid); };

    listGrid()->setOtherKeyHandler([this] { context().dialogs.beep(); });
}

void W2::open(MDIForm1 &mainWindow, const FilerKey &employer)
{
    AppContext &ctx = mainWindow.context();
    // Entering W-2s and printing them do not go on side by side.
    mainWindow.closeChild(ScreenId::PrtSelW2);
    // Another employer's W-2s: that screen closes (asking to save) and this one opens.
    if (W2 *open = mainWindow.raiseChild<W2>())
        if (open->employer().tfid == employer.tfid || !mainWindow.closeChild(ScreenId::W2))
            return;
    auto *screen = new W2(ctx, employer, mainWindow.screenOpener());
    mainWindow.showChild(screen, ScreenId::W2);
    screen->load();
}

void W2::loadData()
{
    Database &db = context().state.gDatabase;
    employer_ = W2Employer::read(db, employer_.tfid);
    limits_ = readW2Limits(db);
    form_ = w2YearFormOfSettings(db);
    form_.box14b = Text1[kBox14b] != nullptr; // checked only where the screen shows it
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
    SetCaption(caption::Stay);
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
    runSteps(context(),
             {[&] { Text1[kControlNumber]->setText(QString::number(NextControlNumber(context().state.gDatabase))); }});
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
            openScreen_(ScreenId::PrtSelW2, {employer_.fedIdNo, employer_.tfid, employer_.filerType, employer_.estNo});
    } else if (index == 7) {
        closeScreen();
    }
}

bool W2::ValidateRecord()
{
    W2Entry entry;
    entry.firstName = Text1[kFirstName]->text().trimmed();
    entry.lastName = Text1[kLastName]->text().trimmed();
    const auto box = [this](int n) { return Text1[kBox1 + n - 1]->text(); };
    entry.box2 = box(2);
    entry.box3 = box(3);
    entry.box4 = box(4);
    entry.box5 = box(5);
    entry.box6 = box(6);
    entry.box9 = box(9);
    for (int r = 0; r < 4; ++r) {
        entry.box12Codes[r] = Text1[kBox12Code[r]]->text();
        entry.box12Amounts[r] = Text1[kBox12Amount[r]]->text();
    }
    if (Text1[kBox14b])
        entry.box14b = {Text1[kBox14b]->text(), Text1[kBox14b + 1]->text()};
    const W2CheckResult result = checkW2(entry, limits_, context().state.gW2EditsOn, QLocale(), form_);

    if (result.missing == W2CheckResult::Missing::FirstName) {
        say(QStringLiteral("No employee first name entered"));
        Text1[kFirstName]->setFocus();
        return false;
    }
    if (result.missing == W2CheckResult::Missing::LastName) {
        say(QStringLiteral("No employee last name entered"));
        Text1[kLastName]->setFocus();
        return false;
    }
    if (result.findings.isEmpty())
        return true;
    lastAnswer_ = result.critical() ? say(result.message())
                                    : say(result.message(), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (lastAnswer_ == Dialogs::Answer::Yes)
        return true;
    Text1[kBox1]->setFocus();
    return false;
}

void W2::sickPayClicked()
{
    if (isLoading())
        return;
    QLineEdit *sickPay = Text1[kSickPay];
    if (!chkOpt[kThirdPartySickPay]->isChecked()) {
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
            chkOpt[kThirdPartySickPay]->setChecked(false);
            sickPay->setText(QStringLiteral("0.00"));
            return;
        }
        entry = *answer;
        std::optional<Money> accepted;
        switch (SickPayPrompt::check(entry, Text1[kBox1 + 1]->text(), accepted)) {
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
    Text1[kStateLine[line][0]]->setText(cboState[line]->currentText().trimmed().isEmpty() ? QString() : id);
    markChanged();
}

void W2::clearStateLine(int line)
{
    cboState[line]->setEditText(QString());
    for (int i : kStateLine[line])
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
        if (watched == Text1[kControlNumber] && context().state.gW2AutoNumber && typing) {
            context().dialogs.beep();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        for (int i : {kStatutory, kRetirementPlan, kThirdPartySickPay}) {
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
        for (int i : {kStatutory, kRetirementPlan, kThirdPartySickPay}) {
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
