#pragma once

#include "data/Money.h"

#include <QString>

namespace quillory {

class Database;

// The one row of the Settings table: the tax year, its limits and rates, and the W-2
// auto-number switch with its counter.
struct Settings {
    QString year;
    int w2AutoNo = 0;
    int w2ctr = 0;
    Money ssWages;
    Money ssTaxMax;
    double ssTaxPct = 0;
    double mdTaxPct = 0;
    Money eicMax;
    Money w2box12;

    // Throws DbError when the table has no row or Year / W2AutoNo is Null.
    static Settings read(Database &db);
    // The tax year a screen is laid out for, 0 when it cannot be read (the start-up reports
    // why; the screens then show the forms of the oldest year).
    static int screenYear(Database &db);
    // Writes W2AutoNo (-1 on, 0 off) into the first row.
    static void storeAutoNumber(Database &db, bool on);
    // Writes the year and its limits and rates (not the switch or the counter) into the first
    // row; throws DbError when the table has no row.
    static void storeYearValues(Database &db, const Settings &values);
    // The tax year as stored, without a check; a null text when the table has no row.
    static QString yearText(Database &db);
    // Whether the table has its row.
    static bool exists(Database &db);
    // Counts the next W-2 control number in the first row and gives it back.
    static int nextW2Counter(Database &db);
    // The most returns an IRIS upload file holds, as stored, and storing it.
    static int irisRowsPerFile(Database &db);
    static void storeIrisRowsPerFile(Database &db, int rows);
};

// The caption of the "what's changed" help item for a tax year text.
QString whatsChangedCaption(const QString &year);

} // namespace quillory
