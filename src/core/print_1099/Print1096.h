#pragma once

#include <QDate>
#include <QString>

namespace quillory {

class Database;
class Printer;

// Prints the 1096 row of the payer number onto the 1096 form of the tax year's edition: an SSN
// payer (two or more "-") is found by box 2, any other by box 1; a form type ("1099-NEC") takes
// the row of that type and marks it in box 6. No row for the payer, or no edition for the year,
// is an error before anything is printed.
void Print1096Form(Database &db, Printer &printer, const QString &payerNumber, const QString &formType = {});

// Prints every 1096 row (of the form type, when one is given) as a plain report under a bold
// title with the year and the date. One print job; no row is an error at the title.
void Print1096Report(Database &db, Printer &printer, const QDate &today = QDate::currentDate(),
                     const QString &formType = {});

} // namespace quillory
