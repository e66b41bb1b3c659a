#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace quillory {
class Database;
}

namespace quillory::efile {

// The tax year's values as the user typed them.
struct TaxYearText {
    QString year;
    QString ssWages;
    QString ssTaxPct;
    QString ssTaxMax;
    QString mdTaxPct;
    QString eicMax;
    QString w2box12;
};

// The stored row of Settings as text: amounts with two decimals, rates as plain numbers.
TaxYearText readTaxYear(Database &db);
// The years Quillory knows (table TaxYears), oldest first, in the same form.
QVector<TaxYearText> knownTaxYearTexts(Database &db);
// One message per value that cannot be stored: a year of four digits, rates from 0 to 100,
// amounts not negative.
QStringList checkTaxYearText(const TaxYearText &text);
// Stores checked values into the row of Settings (the W-2 switches are left as they are).
void storeTaxYear(Database &db, const TaxYearText &text);

} // namespace quillory::efile
