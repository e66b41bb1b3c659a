#pragma once

#include "data/Address.h"

#include <QString>
#include <QStringList>

namespace quillory::efile {

// The address parser is shared with the paper forms.
using quillory::Address;
using quillory::parseAddress;

// Identification numbers as the files need them: nine digits each.
bool validEin(const QString &text);
bool validSsn(const QString &text);
// An SSN, ITIN or EIN of a payee.
bool validTin(const QString &text);
// "1" for a number written as an EIN (12-3456789), "2" for one written as an SSN
// (123-45-6789), blank when the form cannot tell.
QString typeOfTin(const QString &text);

// An employee's name split the way the W-2 file holds it.
struct PersonName {
    QString first;
    QString middle;
    QString last;
    QString suffix;
};
// firstAndInitial "ANN M." gives first ANN, middle M; "LEE JR" gives last LEE, suffix JR.
PersonName splitName(const QString &firstAndInitial, const QString &last);

// The two-digit numeric code of a state abbreviation, empty for an unknown one.
QString stateNumber(const QString &abbreviation);

// The tax year's text as a number, 0 when it is not four digits.
int taxYearNumber(const QString &year);

} // namespace quillory::efile
