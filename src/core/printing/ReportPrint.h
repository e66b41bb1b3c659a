#pragma once

#include "data/Twips.h"

#include <QString>
#include <QVector>

namespace quillory {

class Printer;

// One line of a plain summary report: a left part at column 1 and a right part at column 55.
// A left part longer than 54 characters pushes the right part to the next line.
struct ReportLine {
    QString left;
    QString right;
};

constexpr int kReportRightColumn = 55;
constexpr int kReportTitleColumn = 30;
constexpr int kReportDateColumn = 70;

// The summary reports: Courier New 12 on plain paper, lines at character columns, at least a
// quarter inch (or the printer's own margin, when wider) from every edge of the page.
constexpr Twips kReportMargin = Twips::sixteenths(4);
// Names the job, sets the font and the margins and prints the empty first line.
void StartReport(Printer &printer, const QString &jobName);
// The bold title line (left part at column 30, date at column 70) and two empty lines.
void PrintReportTitle(Printer &printer, const ReportLine &title);
// Each line: the left part at column 1, the right part at column 55 (on the next line when
// the left part reaches past it). A part that would run past the right margin goes on a line
// of its own from column 1, continued on the next lines when it is longer than a line.
void PrintReportLines(Printer &printer, const QVector<ReportLine> &lines);

} // namespace quillory
