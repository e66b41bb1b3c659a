#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

namespace quillory {

class RecordSet;

// One line of a plain summary report: a left part at column 1 and a right part at column 55.
// A left part longer than 54 characters pushes the right part to the next line.
struct ReportLine {
    QString left;
    QString right;
};

constexpr int kReportRightColumn = 55;
constexpr int kReportTitleColumn = 30;
constexpr int kReportDateColumn = 70;

// The report title: "<year> W3 Summary Report" at column 30, the date "MM/dd/yy" at 70.
ReportLine w3ReportTitle(const QString &year, const QDate &today);
// The 19 lines of one W3 row (the current row of the record set).
QVector<ReportLine> w3ReportBlock(const RecordSet &w3, const QLocale &locale = QLocale());
// The kind of payer a W3 row is marked with; the last mark wins.
QString w3KindOfPayer(const RecordSet &w3);

} // namespace quillory
