#pragma once

#include <QDate>
#include <QString>

namespace quillory {

class Database;
class Printer;

// Prints the first W3 row of the employer number onto the W-3 form of the tax year's edition:
// every column with a layout row, the totals right-aligned in their boxes. No row for the
// employer, or no edition for the year, is an error before anything is printed.
void PrintW3Form(Database &db, Printer &printer, const QString &employerNumber);

// Prints every W3 row as a plain report: a bold title with the year and the date, then a
// block of 19 lines per row. One print job; an empty W3 table is an error at the title, and a
// tax year without a W-3 edition is refused before it.
void PrintW3Report(Database &db, Printer &printer, const QDate &today = QDate::currentDate());

} // namespace quillory
