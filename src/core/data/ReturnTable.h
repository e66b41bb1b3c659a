#pragma once

#include "data/RecordSet.h"

#include <QString>

namespace quillory::returnTable {

// Every plain read of the 1099 tables ("1099Misc", "1099Nec") on its own. The 1096 summary,
// the recipient copies and the Publication 1220 file read them in their own joined queries; the
// box 7 move and the name split write them in their own transactions.

// The 1099s of one payer in a table, in stored order, as an updatable set (the entry screen's rows).
RecordSet rowsOf(Database &db, int tfid, const QString &table);
// The entry screen's list of one payer's recipients: identification number and name.
RecordSet listOf(Database &db, int tfid, const QString &table);
// The returns a print screen offers for one payer number: recipient number, name and Counter; by
// recipient number when ordered, else in stored order.
RecordSet toPrint(Database &db, const QString &fedIdNo, bool ordered, const QString &table);
// The returns of one payer number, or of every payer when it is empty, by payer and recipient.
RecordSet ofPayer(Database &db, const QString &table, const QString &payerFedIdNo);
// Whether a 1099-MISC or 1099-NEC names the payer number.
bool anyOfPayer(Database &db, const QString &fedIdNo);
// Whether any 1099-MISC or 1099-NEC has been stored.
bool anyToPrint(Database &db);

} // namespace quillory::returnTable
