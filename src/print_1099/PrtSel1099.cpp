#include "print_1099/PrtSel1099.h"

#include "efile/CreateEfile.h"
#include "efile/Returns1099Efile.h"

#include "print_1099/Misc1099FormsRun.h"
#include "print_1099/Misc1099Selection.h"
#include "print_1099/Print1096.h"
#include "print_1099/RecipientCopies.h"
#include "print_1099/Summary1096.h"
#include "shell/MainWindow.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>

namespace quillory {

namespace {

PrintScreenSetup misc1099Setup()
{
    PrintScreenSetup s;
    s.objectName = QStringLiteral("PrtSel1099");
    s.caption = QStringLiteral("Print 1099Misc Documents");
    s.activeStatus = QStringLiteral("1099misc print screen");
    s.gridCaption = QStringLiteral("Select 1099's to Print");
    s.gridColumns = {{QStringLiteral("Recipient ID"), 1200}, {QStringLiteral("Recipient"), 2700}, {QString(), 0, true}};
    s.paperTags = {QStringLiteral("1099-L"), QStringLiteral("1099-C"), QStringLiteral("1099-M")};
    s.printCaptions = {QStringLiteral("&Print Selected 1099 Forms"), QStringLiteral("Print &Summary 1096 Report"),
                       QStringLiteral("Print 1096 &Form")};
    s.summaryForm = QStringLiteral("1096");
    s.form = &Misc1099Form();
    s.alignmentReading = AlignmentReading::LeadingNumber;
    s.selectAllName = QStringLiteral("Command1");
    s.helpName = QStringLiteral("Command4");
    s.exitName = QStringLiteral("Command3");
    s.helpTopic = PrtSel1099::kHelpTopic;
    s.efileCaption = QStringLiteral("Create 1099 &E-file...");
    s.copies = &RecipientCopies(RecipientForm::Misc);
    s.copiesCaption = QStringLiteral("Print &Recipient Copies");
    s.copiesPdfCaption = QStringLiteral("Save Copies as P&DF...");
    s.copiesPreview = QStringLiteral("Recipient Copies");
    return s;
}

} // namespace

PrtSel1099::PrtSel1099(AppContext &ctx, QWidget *parent) : PrintScreen(ctx, misc1099Setup(), parent)
{
    // The list holds 1099-MISC rows only: the 1099-NEC copies are drawn for all of the payer's.
    cboCopiesForm = new QComboBox(cmdCopies->parentWidget());
    cboCopiesForm->setObjectName(QStringLiteral("cboCopiesForm"));
    cboCopiesForm->setAccessibleName(QStringLiteral("Recipient copies of"));
    cboCopiesForm->addItems(
        {QStringLiteral("1099-MISC: selected records"), QStringLiteral("1099-NEC: all of the payer's")});
    if (auto *box = qobject_cast<QBoxLayout *>(cmdCopies->parentWidget()->layout()))
        box->insertWidget(box->indexOf(cmdCopies), cboCopiesForm);
}

const CopyForm *PrtSel1099::copyForm() const
{
    return &RecipientCopies(cboCopiesForm->currentIndex() == 1 ? RecipientForm::Nec : RecipientForm::Misc);
}

QVector<qlonglong> PrtSel1099::copyKeys()
{
    return cboCopiesForm->currentIndex() == 1 ? NecReturnsOfPayer(database(), chosenNumber()) : selectedKeys();
}

void PrtSel1099::open(MDIForm1 &mainWindow)
{
    OpenPrintScreen(mainWindow, ScreenId::Misc1099, ScreenId::PrtSel1099,
                    [&mainWindow] { return new PrtSel1099(mainWindow.context()); });
}

RecordSet PrtSel1099::gridRows(const QString &fedIdNo, bool ordered)
{
    // Opening lists the records by recipient number; another payer's come in stored order.
    return misc1099sToPrint(database(), fedIdNo, ordered);
}

void PrtSel1099::rebuildSummaries()
{
    AppContext &ctx = context();
    ctx.statusText(QStringLiteral("Generating 1099 summary..............."));
    runBusy({[&] {
                build1096Summaries(database(), [&](const QString &) {
                    ctx.dialogs.message(QStringLiteral("No 1099's for this Tax Payer"), ctx.state.gAppTitle);
                });
            }},
            OnFailure::EndRun);
    ctx.statusText(QStringLiteral("1096 Summary Form"));
}

void PrtSel1099::printForms(Printer &printer, const QVector<qlonglong> &keys)
{
    AppContext &ctx = context();
    ctx.statusText(QStringLiteral("Printing 1099's..............."));
    if (keys.isEmpty())
        ctx.dialogs.message(QStringLiteral("No 1099 Records were selected to be printed"), ctx.state.gAppTitle);
    // Any failure ends the run; forms already sent stay printed.
    if (runBusy({[&] { Print1099Forms(database(), printer, paperKind(), keys); }}, OnFailure::EndRun))
        ctx.statusText(QStringLiteral("1099 print screen"));
}

void PrtSel1099::printSummaryReport(Printer &printer)
{
    context().statusText(QStringLiteral("Printing 1096 summary report..............."));
    if (runBusy({[&] { Print1096Report(database(), printer); }}, OnFailure::EndRun))
        context().statusText(QStringLiteral("1096 print screen"));
}

void PrtSel1099::createEfile()
{
    EfileRequest r;
    r.form = QStringLiteral("1099");
    r.filerWord = QStringLiteral("payer");
    r.formsWord = QStringLiteral("returns");
    r.chosenFiler = chosenNumber();
    r.suggestedName = QStringLiteral("IRS1099.txt");
    r.sendTo = QStringLiteral("Upload it to the IRS with the FIRE system (Filing Information Returns "
                              "Electronically).");
    const QString chosen = chosenNumber();
    r.build = [this, chosen](bool all) { return efile::buildReturns1099Efile(database(), all ? QString() : chosen); };
    CreateEfile(context(), r);
}

void PrtSel1099::printSummaryForm(Printer &printer)
{
    context().statusText(QStringLiteral("Printing 1096 summary..............."));
    runBusy({[&] { Print1096Form(database(), printer, chosenNumber()); }}, OnFailure::EndRun);
}

} // namespace quillory
