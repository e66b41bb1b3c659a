#pragma once

#include "data/RecordSet.h"

#include <QString>
#include <QVariant>
#include <QVector>

namespace quillory {

// A filer as the menus hand it to the screens that work on one.
struct FilerKey {
    QString fedIdNo;
    int tfid = 0;
    QString filerType;
    QString estNo;
};

// Every read of the filers table (employers and payers) on its own. The W-2 and 1099 tables'
// files join it where their rows need their filer's columns.
namespace filerTable {

// Every filer, in table order, as an updatable set (the filer screen's rows).
RecordSet all(Database &db);
// Every column of every filer, in table order (the employer list).
RecordSet everyColumn(Database &db);
// The filer screen's pick list: number, establishment, kind, name and first address line.
RecordSet pickList(Database &db);
// Every filer by its key, oldest first.
RecordSet byKey(Database &db);
// The filer with the key; at end when there is none.
RecordSet withKey(Database &db, int tfid);
// The first filer (by key) with the identification number; at end when there is none.
RecordSet firstWithIdNumber(Database &db, const QString &fedIdNo);
// The filers matching the condition, in the order given.
RecordSet matching(Database &db, const QString &condition, const QVariantList &params, const QString &orderBy);
// The filers whose number has a 1099-MISC or 1099-NEC, by key.
RecordSet payersWithReturns(Database &db);
// The filers that have an identification number, in table order.
QVector<FilerKey> withIdNumber(Database &db);
// The filers a print screen offers (FedIDNo, EstNo, FilerType) by number: all of them, or
// those with the given number.
RecordSet forPrinting(Database &db, const QString &fedIdNo);
// The filer's telephone number, empty when it has none.
QString phone(Database &db, const QVariant &tfid);
// A condition on a Tfid column: the filer is one of those matching `filerCondition`.
QString keyIn(const QString &filerCondition);

} // namespace filerTable
} // namespace quillory
