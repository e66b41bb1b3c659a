#pragma once

#include "printing/FormLayout.h"

#include <QString>

namespace quillory {

class Database;
class Printer;
class RecordSet;

// Prints forms two to a sheet: the upper form at the paper kind's origin, the lower one 7920
// twips below it; each full sheet is sent as a print job of its own. The W-2 and 1099-MISC
// runs are this with their own layout and column rule, written as steps so that a failure
// dialog can repeat or skip one of them.
class TwoUpRun {
public:
    TwoUpRun(Database &db, Printer &printer, QString paperKind, QString layoutForm, ColumnRule rule);

    // Reads the origin of the paper kind (a missing row is an error) and the layout; sets the font.
    void start();
    // Prints the current row of the record set at the current slot.
    void printForm(const RecordSet &row);
    // Moves to the next slot; after the lower form the sheet goes out.
    void nextSlot();
    // Sends a last, half-filled sheet; nothing after an even number of forms.
    void finish();

    int formTop() const { return formTop_; }
    const FormOrigin &origin() const { return origin_; }

private:
    Database &db_;
    Printer &printer_;
    QString paperKind_;
    QString layoutForm_;
    ColumnRule rule_;
    FormOrigin origin_;
    FieldLayout layout_;
    int formTop_ = 0;
    bool upper_ = true;
};

} // namespace quillory
