#pragma once

#include <QDate>
#include <QString>

namespace quillory {

class Database;
class Printer;

// Prints the first W3 row of the employer number onto the W-3 form: every column with a
// layout row of form "W3", the totals right-aligned in their boxes. No row for the employer
// is an error before anything is printed.
void PrintW3Form(Database &db, Printer &printer, const QString &employerNumber);

// Prints every W3 row as a plain report: a bold title with the year and the date, then a
// block of 19 lines per row. One print job; an empty W3 table is an error at the title.
void PrintW3Report(Database &db, Printer &printer, const QDate &today = QDate::currentDate());

} // namespace quillory
