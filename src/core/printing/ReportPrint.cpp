#include "printing/ReportPrint.h"

#include "printing/Printer.h"

#include <algorithm>

namespace quillory {

namespace {

// How many characters of the report's font fit between the margins.
int lineChars(Printer &printer)
{
    const TwipsMargins &m = printer.textMargins();
    const Twips width = printer.pageSize().width - m.left - m.right;
    int chars = std::max(1, width / printer.textWidth(QStringLiteral("0")));
    while (chars > 1 && printer.textWidth(QString(chars, QLatin1Char('0'))) > width)
        --chars; // widths of a cell rounded to twips add up
    return chars;
}

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

void printFitted(Printer &printer, int column, const QString &text)
{
    const int chars = lineChars(printer);
    if (column - 1 + text.size() <= chars) {
        printer.printAtColumn(column, text);
        return;
    }
    // Too wide for its column: a line of its own from column 1, broken at blanks where it can
    // be and continued under its first word.
    if (printer.currentX() > printer.textMargins().left)
        printer.newLine();
    const int indent = std::min(leadingBlanks(text), chars / 2);
    QString rest = text;
    for (int at = 1;; at = indent + 1) {
        const int room = chars - (at - 1);
        if (rest.size() <= room) {
            printer.printAtColumn(at, rest);
            return;
        }
        int cut = rest.lastIndexOf(QLatin1Char(' '), room);
        if (cut <= leadingBlanks(rest))
            cut = room;
        printer.printAtColumn(at, rest.left(cut));
        printer.newLine();
        rest = rest.mid(cut);
        rest.remove(0, leadingBlanks(rest));
    }
}

} // namespace

void StartReport(Printer &printer, const QString &jobName)
{
    printer.startJob({jobName, JobPaper::Plain});
    printer.setFont(PrinterFont{QStringLiteral("Courier New"), 12.0, false});
    const TwipsMargins reach = printer.unprintableMargins();
    const Twips least = kReportMargin;
    const TwipsMargins margins{std::max(least, reach.left), std::max(least, reach.top), std::max(least, reach.right),
                               std::max(least, reach.bottom)};
    printer.setTextMargins(margins);
    printer.setCurrentX(margins.left);
    printer.setCurrentY(margins.top);
    printer.newLine();
}

void PrintReportTitle(Printer &printer, const ReportLine &title)
{
    printer.setFontBold(true);
    printFitted(printer, kReportTitleColumn, title.left);
    printFitted(printer, kReportDateColumn, title.right);
    printer.newLine();
    printer.newLine();
    printer.newLine();
    printer.setFontBold(false);
}

void PrintReportLines(Printer &printer, const QVector<ReportLine> &lines)
{
    for (const ReportLine &line : lines) {
        if (!line.left.isEmpty())
            printFitted(printer, 1, line.left);
        if (!line.right.isEmpty())
            printFitted(printer, kReportRightColumn, line.right);
        printer.newLine();
    }
}

} // namespace quillory
