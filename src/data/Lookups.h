#pragma once

#include <QString>
#include <QVector>

namespace quillory {

class Database;

// A filer as the menus hand it to the entry screens.
struct FilerKey {
    QString fedIdNo;
    int tfid = 0;
    QString filerType;
};

// The filers that have an identification number, in table order.
QVector<FilerKey> filersWithIdNumber(Database &db);
// Whether any W-2 has an employee last name, so that there is something to print.
bool hasPrintableW2(Database &db);
// Whether any 1099-MISC has been stored.
bool hasPrintable1099(Database &db);

} // namespace quillory
