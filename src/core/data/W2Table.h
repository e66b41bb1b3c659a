#pragma once

#include "data/RecordSet.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace quillory::w2Table {

// Every read of the W-2 table on its own.

// The W-2s of one employer, in stored order, as an updatable set (the W-2 screen's rows).
RecordSet rowsOf(Database &db, int tfid);
// The W-2 screen's list of one employer's W-2s: the row number (which tells two W-2s with one
// SSN apart), the SSN and the names.
RecordSet listOf(Database &db, int tfid);
// The W-2s a print screen offers for one employer number, by SSN: SSN, names and row number.
// An establishment number or filer kind that is not empty narrows them to that filer.
RecordSet toPrint(Database &db, const QString &fedIdNo, const QString &estNo, const QString &filerType);
// The W-2s of the filers matching the condition on the filers table, by employer and SSN.
RecordSet ofFilers(Database &db, const QString &filerCondition, const QVariantList &params);
// A condition on the filers table: the filer has W-2s.
QString filerHasW2s();
// Whether a W-2 names the employer number.
bool anyOfEmployer(Database &db, const QString &fedIdNo);
// Whether any W-2 has an employee last name, so that there is something to print.
bool anyToPrint(Database &db);
// The W-3's groups of W-2s (by employer number, kind and establishment, with a filer): count,
// sums s1 to s19 (s12 the box 12 amounts whose code is one of the deferral codes, "D-H" for a
// range), sick pay, and the first W-2's and its filer's name, address and contact columns.
QSqlQuery w3Groups(Database &db, const QStringList &deferralCodes);

} // namespace quillory::w2Table
