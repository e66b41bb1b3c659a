#pragma once

#include <QDate>
#include <QString>

namespace quillory {

class Database;
class Printer;

// Prints the 1096 row of the payer number onto the 1096 form: an SSN payer (two or more "-")
// is found by box 2, any other by box 1. No row for the payer is an error before anything
// is printed.
void Print1096Form(Database &db, Printer &printer, const QString &payerNumber);

// Prints every 1096 row as a plain report under a bold title with the year and the date.
// One print job; an empty 1096 table is an error at the title.
void Print1096Report(Database &db, Printer &printer, const QDate &today = QDate::currentDate());

} // namespace quillory
