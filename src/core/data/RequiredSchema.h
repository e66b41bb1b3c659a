#pragma once

#include <QStringList>

namespace quillory {

class Database;

// What the database file lacks of the tables and columns the program uses, one line per
// table ("table W3", "W2: Box12d_Amt, SickPay"); empty when nothing is missing.
QStringList missingSchema(Database &db);

// Throws DbError naming everything missing at once, so that an old or damaged file is found
// when it opens rather than at the first save of a record typed in full.
void checkSchema(Database &db);

} // namespace quillory
