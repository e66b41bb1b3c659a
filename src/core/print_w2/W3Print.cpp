#include "print_w2/W3Print.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "print_w2/W3Report.h"
#include "print_w2/W3Summary.h"
#include "printing/FormEdition.h"
#include "printing/FormLayout.h"
#include "printing/Printer.h"
#include "printing/ReportPrint.h"

#include <QRegularExpression>

namespace quillory {

namespace {

// Boxes 1 to 14 and 16 to 19 print as amounts (box 13, text, among them, as it always has).
bool isW3Amount(const QString &column)
{
    static const QRegularExpression box(QStringLiteral("^Box(\\d+)$"));
    const QRegularExpressionMatch m = box.match(column);
    const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
    return (n >= 1 && n <= 14) || (n >= 16 && n <= 19);
}

} // namespace

void PrintW3Form(Database &db, Printer &printer, const QString &employerNumber)
{
    const FormEdition edition = ChooseEdition(db, QStringLiteral("W3"));
    RecordSet row = w3SummaryOf(db, employerNumber);
    if (row.eof())
        throw DbError(QStringLiteral("There is no W-3 summary for employer %1.").arg(employerNumber));
    PrintOneUpForm(
        printer, db, QStringLiteral("W3"), edition.layoutForm, QStringLiteral("W-3 ") + employerNumber, row,
        [](const ColumnValue &c) {
            return std::optional<PrintedValue>(PrintedValue{c.text, isW3Amount(c.column.name)});
        },
        std::nullopt, LayoutNumbers::Int32);
    EndPrintJob(printer);
}

void PrintW3Report(Database &db, Printer &printer, const QDate &today)
{
    ChooseEdition(db, QStringLiteral("W3")); // its totals are the edition's
    RecordSet rows = w3Summaries(db);
    StartReport(printer, QStringLiteral("W-3 Summary Report"));
    if (rows.eof())
        throw DbError(QStringLiteral("There are no W-3 summaries to report."));
    PrintReportTitle(printer, w3ReportTitle(rows.text(QStringLiteral("Year")), today));
    for (; !rows.eof(); rows.moveNext()) {
        PrintReportLines(printer, w3ReportBlock(rows));
        printer.newLine();
        printer.newLine();
    }
    EndPrintJob(printer);
}

} // namespace quillory
