#include "print_w2/PrtSelW2.h"

#include "efile/CreateEfile.h"
#include "efile/W2Efile.h"

#include "data/W2Table.h"
#include "print_w2/W2Copies.h"
#include "print_w2/W2FormsRun.h"
#include "print_w2/W3Print.h"
#include "print_w2/W3Summary.h"
#include "printing/TwoUpRun.h"
#include "shell/MainWindow.h"

#include <QLineEdit>
#include <memory>

namespace quillory {

namespace {

PrintScreenSetup w2Setup()
{
    PrintScreenSetup s;
    s.objectName = QStringLiteral("PrtSelW2");
    s.caption = QStringLiteral("Print W-2 Documents");
    s.activeStatus = QStringLiteral("W2 print screen");
    s.gridCaption = QStringLiteral("Select W-2's to Print");
    s.gridColumns = {{QStringLiteral("SSN"), Twips(1200)},
                     {QStringLiteral("First Name"), Twips(1300)},
                     {QStringLiteral("Last Name"), Twips(1600)},
                     {QString(), Twips(), true}};
    s.paperTags = {QStringLiteral("W2-L"), QStringLiteral("W2-C"), QStringLiteral("W2-M")};
    s.printCaptions = {QStringLiteral("&Print Selected Forms"), QStringLiteral("Print W3 &Summary Report"),
                       QStringLiteral("Print W3 &Form")};
    s.summaryForm = QStringLiteral("W3");
    s.form = &W2TwoUpForm();
    s.alignmentReading = AlignmentReading::WholeNumber;
    s.cancelIsError = true;
    s.employerDetails = true;
    s.selectAllName = QStringLiteral("cmdSelectAll");
    s.helpName = QStringLiteral("Command3");
    s.exitName = QStringLiteral("Command1");
    s.helpTopic = PrtSelW2::kHelpTopic;
    s.efileCaption = QStringLiteral("Create W-2 &E-file...");
    s.copies = &W2Copies();
    s.copiesCaption = QStringLiteral("Print E&mployee Copies");
    s.copiesPdfCaption = QStringLiteral("Save Copies as P&DF...");
    s.copiesPreview = QStringLiteral("Employee Copies");
    return s;
}

} // namespace

PrtSelW2::PrtSelW2(AppContext &ctx, QWidget *parent) : PrintScreen(ctx, w2Setup(), parent) {}

void PrtSelW2::open(MDIForm1 &mainWindow, const FilerKey &filer)
{
    OpenPrintScreen(mainWindow, ScreenId::W2, ScreenId::PrtSelW2, filer,
                    [&mainWindow] { return new PrtSelW2(mainWindow.context()); });
}

RecordSet PrtSelW2::gridRows(const QString &fedIdNo, bool)
{
    return w2Table::toPrint(database(), fedIdNo, Text2[0]->text(), Text2[1]->text());
}

void PrtSelW2::rebuildSummaries()
{
    context().statusText(QStringLiteral("Generating W3 summary..............."));
    runBusy({[&] { buildW3Summaries(database()); }}, OnFailure::EndRun);
    context().statusText(QStringLiteral("W3 Summary Form"));
}

void PrtSelW2::printForms(Printer &printer, const QVector<qlonglong> &keys)
{
    AppContext &ctx = context();
    ctx.statusText(QStringLiteral("Printing W2's..............."));
    // Retry prints a form again, Ignore leaves it out and goes on with the next.
    if (printFormSteps(printer, W2TwoUpForm(), keys, QStringLiteral("No W-2 Records were selected to be printed"),
                       OnFailure::RetryIgnoreAbort))
        ctx.statusText(QStringLiteral("W2 print screen"));
}

void PrtSelW2::printSummaryReport(Printer &printer)
{
    context().statusText(QStringLiteral("Printing W3 summary..............."));
    runBusy({[&] { PrintW3Report(database(), printer); }}, OnFailure::EndRun);
    context().statusText(QStringLiteral("W3 print screen"));
}

void PrtSelW2::createEfile()
{
    EfileRequest r;
    r.form = QStringLiteral("W-2");
    r.filerWord = QStringLiteral("employer");
    r.formsWord = QStringLiteral("W-2s");
    r.chosenFiler = chosenNumber();
    r.suggestedName = QStringLiteral("W2REPORT.txt");
    r.sendTo = QStringLiteral("Upload it to the Social Security Administration with Business Services Online "
                              "(W-2 Online, Submit Wage File).");
    r.lineEnd = "\r\n";
    const efile::EmployerChoice chosen{chosenNumber(), Text2[0]->text(), Text2[1]->text()};
    r.build = [this, chosen](bool all) {
        return efile::buildW2Efile(database(), all ? efile::EmployerChoice{} : chosen);
    };
    CreateEfile(context(), r);
}

void PrtSelW2::printSummaryForm(Printer &printer)
{
    context().statusText(QStringLiteral("Printing W3 summary..............."));
    runBusy({[&] { PrintW3Form(database(), printer, chosenNumber()); }}, OnFailure::EndRun);
}

} // namespace quillory
