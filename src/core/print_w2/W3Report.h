#pragma once

#include "printing/ReportPrint.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

namespace quillory {

class RecordSet;

// The report title: "<year> W3 Summary Report" at column 30, the date "MM/dd/yy" at 70.
ReportLine w3ReportTitle(const QString &year, const QDate &today);
// The 19 lines of one W3 row (the current row of the record set).
QVector<ReportLine> w3ReportBlock(const RecordSet &w3, const QLocale &locale = QLocale());
// The kind of payer a W3 row is marked with; the last mark wins.
QString w3KindOfPayer(const RecordSet &w3);

} // namespace quillory
