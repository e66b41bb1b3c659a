#pragma once

#include "data/RecordSet.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace quillory::returnTable {

// Every read and write of the 1099 tables ("1099Misc", "1099Nec") on its own.

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
// How many 1099-MISCs hold an amount in box 7 (nonemployee compensation before 2020).
int box7Count(Database &db);
// Moves every 1099-MISC box 7 amount to a new 1099-NEC of the same payer and recipient (box 1).
// A 1099-MISC with nothing else to report goes with its withholding and state lines and is
// deleted; the others keep everything else and their box 7 becomes 0. Runs in the caller's
// transaction.
void moveBox7ToNec(Database &db);
// The 1099-MISC and 1099-NEC returns of one payer number (or of every payer when it is empty)
// in one read, by payer, recipient, the 1099-NEC first, and Counter: the older 1099-MISC's
// columns, a 1099-NEC's box 1 as Box7 and its tax withheld as Box4, FromNec -1 on a 1099-NEC,
// and its NecDirectSales and NecParachute.
RecordSet miscAndNecOfPayer(Database &db, const QString &payerFedIdNo);
// The return with the Counter, with its filer's telephone number as PayerPhone; at end when
// there is none.
RecordSet withPayerPhone(Database &db, const QString &table, qlonglong counter);
// The 1096's rows of a table: every payer number (payer, empty for none), and for those whose
// returns join a filer the count n, the sums box4 (of the withheld column) and reported (of the
// reported columns), the first return's payer name and address and first RecIDNo, and the
// filer's Contact, Phone, Email and Fax; by payer number.
QSqlQuery payerTotals(Database &db, const QString &table, const QString &withheld, const QStringList &reported);

} // namespace quillory::returnTable
