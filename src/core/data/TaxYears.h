#pragma once

#include "data/Settings.h"

#include <QString>
#include <QVector>

namespace quillory {

class Database;

// One code that box 12 takes in a tax year.
struct Box12Code {
    QString code;
    bool deferral = false; // held against the year's elective deferral limit
    QString caption;
};

// What the W-2 of a tax year looks like and which box 12 codes it takes. The default is the
// W-2 of 2001, which the first version was built for.
struct W2YearForm {
    QString year;
    QString box9Caption = QStringLiteral("Advance EIC payment"); // empty: the box is blank
    bool box14b = false; // box 14 split into 14a Other and 14b tipped occupation codes
    bool ssnInBoxA = false; // box a the employee's SSN, box d the control number
    // Empty: the rule of 2001 (codes 'A' to 'T' or 'V'; deferrals D to H and S).
    QVector<Box12Code> box12Codes;

    // The year's entry for a code, or nullptr when the year lists codes and this is not one.
    const Box12Code *find(const QString &code) const;
};

// The rows of TaxYears, oldest first, as Settings values (the W-2 switches left at 0).
QVector<Settings> knownTaxYears(Database &db);

// The form of the nearest year in TaxYears at or before `year`, named `year`; the form of 2001
// when there is none.
W2YearForm w2YearForm(Database &db, const QString &year);
// The form of the year in Settings; that of 2001 when Settings has no row.
W2YearForm w2YearFormOfSettings(Database &db);

} // namespace quillory
