#pragma once

#include <QString>
#include <QStringList>

namespace quillory::efile {

// An address as the files take it, from the lines a user typed: the last line that reads
// "city, state ZIP" gives the city, state and ZIP code, the line before it the delivery
// (street) address and any line before that the location address (suite, attention).
struct Address {
    QString location;
    QString delivery;
    QString city;
    QString state;
    QString zip;
    QString zipExt;
    bool ok = false; // a street line and a "city, state ZIP" line were found
};
Address parseAddress(const QStringList &lines);

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
