#include "printing/ReportPrint.h"

#include "printing/Printer.h"

namespace quillory {

void StartReport(Printer &printer)
{
    printer.setFont(PrinterFont{QStringLiteral("Courier New"), 12.0, false});
    printer.newLine();
}

void PrintReportTitle(Printer &printer, const ReportLine &title)
{
    printer.setFontBold(true);
    printer.printAtColumn(kReportTitleColumn, title.left);
    printer.printAtColumn(kReportDateColumn, title.right);
    printer.newLine();
    printer.newLine();
    printer.newLine();
    printer.setFontBold(false);
}

void PrintReportLines(Printer &printer, const QVector<ReportLine> &lines)
{
    for (const ReportLine &line : lines) {
        if (!line.left.isEmpty())
            printer.printAtColumn(1, line.left);
        if (!line.right.isEmpty())
            printer.printAtColumn(kReportRightColumn, line.right);
        printer.newLine();
    }
}

} // namespace quillory
