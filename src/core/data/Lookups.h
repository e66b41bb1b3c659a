#pragma once

#include <QString>
#include <QVector>

namespace quillory {

class Database;
class RecordSet;

// A filer as the menus hand it to the entry screens.
struct FilerKey {
    QString fedIdNo;
    int tfid = 0;
    QString filerType;
};

// The filers that have an identification number, in table order.
QVector<FilerKey> filersWithIdNumber(Database &db);
// The filers a print screen offers (FedIDNo, EstNo, FilerType) by number: all of them, or
// those with the given number.
RecordSet filersForPrinting(Database &db, const QString &fedIdNo);
// Whether any W-2 has an employee last name, so that there is something to print.
bool hasPrintableW2(Database &db);
// Whether any 1099-MISC has been stored.
bool hasPrintable1099(Database &db);

} // namespace quillory
