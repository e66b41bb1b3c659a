#include "print_1099/PrtSel1099.h"

#include "efile/CreateEfile.h"
#include "efile/IrisUpload.h"
#include "efile/IrisUploadDialog.h"
#include "efile/Returns1099Efile.h"

#include "data/ReturnTable.h"
#include "data/Settings.h"
#include "print_1099/Misc1099FormsRun.h"
#include "print_1099/Print1096.h"
#include "print_1099/RecipientCopies.h"
#include "print_1099/Summary1096.h"
#include "shell/MainWindow.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillory {

namespace {

PrintScreenSetup misc1099Setup()
{
    PrintScreenSetup s;
    s.objectName = QStringLiteral("PrtSel1099");
    s.caption = QStringLiteral("Print 1099Misc Documents");
    s.activeStatus = QStringLiteral("1099misc print screen");
    s.gridCaption = QStringLiteral("Select 1099's to Print");
    s.gridColumns = {{QStringLiteral("Recipient ID"), Twips(1200)},
                     {QStringLiteral("Recipient"), Twips(2700)},
                     {QString(), Twips(), true}};
    s.paperTags = {QStringLiteral("1099-L"), QStringLiteral("1099-C"), QStringLiteral("1099-M")};
    s.printCaptions = {QStringLiteral("&Print Selected 1099 Forms"), QStringLiteral("Print &Summary 1096 Report"),
                       QStringLiteral("Print 1096 &Form")};
    s.summaryForm = QStringLiteral("1096");
    s.form = &Misc1099TwoUpForm();
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

const QStringList kMiscPaper{QStringLiteral("1099-L"), QStringLiteral("1099-C"), QStringLiteral("1099-M")};
const QStringList kNecPaper{QStringLiteral("NEC-L"), QStringLiteral("NEC-C"), QStringLiteral("NEC-M")};

// The 1099-NEC is a return of its own from tax year 2025; earlier databases print 1099-MISCs only.
bool formTypesKept(Database &db)
{
    try {
        return Settings::read(db).year.trimmed().toInt() >= 2025;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

PrtSel1099::PrtSel1099(AppContext &ctx, QWidget *parent) : PrintScreen(ctx, misc1099Setup(), parent)
{
    if (efile::filesThroughIris(database()))
        cmdEfile->setText(QStringLiteral("Create IRIS &Upload..."));
    // A database before 2025 keeps the screen as it was: no choice, 1099-MISCs only.
    if (!formTypesKept(database()))
        return;
    formType_ = QStringLiteral("1099-MISC");
    fraFormType = new QGroupBox(QStringLiteral("Form Type"), this);
    fraFormType->setObjectName(QStringLiteral("fraFormType"));
    fraFormType->setAccessibleName(QStringLiteral("Form Type"));
    auto *layout = new QVBoxLayout(fraFormType);
    const char *const captions[2] = {"1099-&MISC", "1099-&NEC"};
    for (int i = 0; i < 2; ++i) {
        optFormType[i] = new QRadioButton(QString::fromLatin1(captions[i]), fraFormType);
        optFormType[i]->setObjectName(QStringLiteral("optFormType_%1").arg(i));
        optFormType[i]->setAccessibleName(QString::fromLatin1(captions[i]).remove(QLatin1Char('&')));
        layout->addWidget(optFormType[i]);
        connect(optFormType[i], &QRadioButton::clicked, this, [this, i] { optFormType_Click(i); });
    }
    optFormType[0]->setChecked(true);
    addChoice(fraFormType);
}

void PrtSel1099::optFormType_Click(int index)
{
    optFormType[index]->setChecked(true);
    nec_ = index == 1;
    formType_ = nec_ ? QStringLiteral("1099-NEC") : QStringLiteral("1099-MISC");
    switchForms(nec_ ? &Nec1099TwoUpForm() : &Misc1099TwoUpForm(), nec_ ? kNecPaper : kMiscPaper);
    context().statusText(nec_ ? QStringLiteral("1099-NEC print screen") : QStringLiteral("1099misc print screen"));
}

const CopyForm *PrtSel1099::copyForm() const
{
    return &RecipientCopies(nec_ ? RecipientForm::Nec : RecipientForm::Misc);
}

void PrtSel1099::open(MDIForm1 &mainWindow, const FilerKey &filer)
{
    OpenPrintScreen(mainWindow, ScreenId::Misc1099, ScreenId::PrtSel1099, filer,
                    [&mainWindow] { return new PrtSel1099(mainWindow.context()); });
}

RecordSet PrtSel1099::gridRows(const QString &fedIdNo, bool ordered)
{
    // Opening lists the records by recipient number; another payer's come in stored order.
    return returnTable::toPrint(database(), fedIdNo, ordered,
                                nec_ ? QStringLiteral("1099Nec") : QStringLiteral("1099Misc"));
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
    // Any failure ends the run; forms already sent stay printed.
    if (printFormSteps(printer, nec_ ? Nec1099TwoUpForm() : Misc1099TwoUpForm(), keys,
                       QStringLiteral("No 1099 Records were selected to be printed"), OnFailure::EndRun))
        ctx.statusText(QStringLiteral("1099 print screen"));
}

void PrtSel1099::printSummaryReport(Printer &printer)
{
    context().statusText(QStringLiteral("Printing 1096 summary report..............."));
    if (runBusy({[&] { Print1096Report(database(), printer, QDate::currentDate(), formType_); }}, OnFailure::EndRun))
        context().statusText(QStringLiteral("1096 print screen"));
}

void PrtSel1099::createEfile()
{
    if (efile::filesThroughIris(database())) {
        CreateIrisUpload(context(), chosenNumber(), this);
        return;
    }
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
    runBusy({[&] { Print1096Form(database(), printer, chosenNumber(), formType_); }}, OnFailure::EndRun);
}

} // namespace quillory
