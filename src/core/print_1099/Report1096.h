#pragma once

#include "printing/ReportPrint.h"

#include <QDate>
#include <QLocale>

namespace quillory {

class RecordSet;

// The report title: "<year> 1096 Summary Report" at column 30, the date "MM/dd/yy" at 70.
ReportLine report1096Title(const QString &year, const QDate &today);
// The lines of one 1096 row (the current row of the record set), ending with two empty lines.
QVector<ReportLine> report1096Block(const RecordSet &row, const QLocale &locale = QLocale());

} // namespace quillory
