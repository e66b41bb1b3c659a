#pragma once

#include <QString>
#include <QVector>

namespace quillory {
class Database;
}

namespace quillory::efile {

// A name as IRIS takes it: an individual's parts, or a business (its name lines are kept as
// they are). type: "I" individual, "B" business.
struct NameParts {
    QString type;
    QString first;
    QString middle;
    QString last;
    QString suffix;
};

// The split proposed for a name line of an older row, from the shape of its TIN: a number
// written as an SSN (123-45-6789) an individual ("MARY ANN SMITH JR" or "SMITH, MARY ANN JR"
// give MARY / ANN / SMITH / JR), one written as an EIN a business. Only a proposal: the user
// confirms it before a file takes it.
NameParts proposeNameParts(const QString &nameLine, const QString &tin);

// "SSN" or "EIN" from the way the number is written, empty when it cannot tell.
QString tinTypeOf(const QString &tin);

// A payer or recipient row of a form type whose name is not split yet.
struct UnsplitName {
    QString table; // FilerInfo, 1099Nec or 1099Misc
    qlonglong key = 0;
    QString who; // "Payer 12-3456789" or "Recipient 123-45-6789"
    QString nameLine;
    QString tin;
    NameParts proposal;
};
// The payers (one payer number, or every payer when empty) and their recipients of the form
// type ("1099-NEC", "1099-MISC") whose names wait for a split.
QVector<UnsplitName> unsplitNames(Database &db, const QString &form, const QString &payerFedIdNo);
// Stores the split the user confirmed, with the TIN type when none is set.
void storeNameParts(Database &db, const UnsplitName &row, const NameParts &parts);

} // namespace quillory::efile
