#pragma once

#include "data/Settings.h"

#include <QString>
#include <array>

namespace quillory {

class Database;
class RecordSet;

// The employer whose W-2s a screen keeps: what the screen shows of it and what every W-2 row
// copies from it. Read once when the screen opens, so that choosing another filer elsewhere
// meanwhile does not move the screen's rows to that filer.
struct W2Employer {
    struct StateSlot {
        QString code; // two-letter abbreviation, may be blank
        QString id;   // the employer's tax ID number in that state
    };

    int tfid = 0;
    QString fedIdNo;
    QString estNo;
    QString filerType;
    std::array<QString, 4> nameAndAddress; // name, then the three address lines
    std::array<StateSlot, 2> states;

    // The filer's row by its number; Null columns read as empty text. Throws DbError when the
    // filer is not there.
    static W2Employer read(Database &db, int tfid);
    // Writes the employer's identification, name and address into the W-2 row being stored.
    void copyInto(RecordSet &w2Row) const;
};

// Advances the W-2 control-number counter by one and returns its new value.
int NextControlNumber(Database &db);

// The year's limits and rates; all of them 0 when the Settings table has no row.
Settings readW2Limits(Database &db);

} // namespace quillory
