#pragma once

#include "data/Twips.h"

#include <QString>
#include <QStringList>

namespace quillory {

class Database;

// The edition of a paper form that prints a tax year: a row of FormEditions.
struct FormEdition {
    QString form;              // "W2", "W3", "1099-MISC", "1099-NEC", "1096"
    int year = 0;              // the tax year it was chosen for
    QString layoutForm;        // PrintFormats FormName of its layout ("W2", "W2-2026")
    Twips lowerFormOffset;     // two-up sheets: from the upper form down to the lower one
    QStringList deferralCodes; // W-3: box 12 codes its deferred compensation totals ("D-H": D to H)
};

// The edition of the form for the database's tax year (the Settings year): the one whose
// years hold it, the latest first year winning. A year that no edition holds is refused with
// a message naming the years that can be printed, before anything is printed.
FormEdition ChooseEdition(Database &db, const QString &form);

} // namespace quillory
