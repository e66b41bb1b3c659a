#pragma once

#include "printing/FormLayout.h"

#include <QString>
#include <QVector>
#include <functional>
#include <vector>

namespace quillory {

class Database;
class Printer;
class RecordSet;

// A value a form prints that no column holds as such (a part of an address, the tax year):
// printed in the layout field of that name when the edition's layout has one.
struct DerivedValue {
    QString field;
    QString text;
};
using DerivedValues = std::function<QVector<DerivedValue>(Database &db, const RecordSet &row)>;

// A kind of two-up form: its layout, the table its rows come from and how a row is found.
struct TwoUpForm {
    QString layoutForm; // PrintFormats FormName
    QString table;
    QString keyColumn;   // the row key the print screen lists
    QString recordName;  // names a row in messages and print jobs ("W-2")
    QString filerColumn; // the filer number of a row, which names the sheets in the print queue
    ColumnRule rule;
    // The FormEditions form whose edition for the tax year gives the layout and the lower
    // form's offset; none: layoutForm, 5.5 inches apart.
    QString edition;
    DerivedValues derived; // none: every value is a column
};

// Where a two-up form prints for the database's tax year.
struct TwoUpLayout {
    FieldLayout layout;
    Twips lowerFormOffset;
};
// Reads the layout of the form's edition for the tax year; a year without one is refused.
TwoUpLayout OpenTwoUpLayout(Database &db, const TwoUpForm &form);

// Places the derived values whose field the layout has, as plain text.
void PrintDerivedValues(Printer &printer, const FieldLayout &layout, const QVector<DerivedValue> &values, Twips top,
                        Twips left);

// Reads one row of the form's table by its key; a row deleted since it was listed is an
// error naming it.
RecordSet FindListedRow(Database &db, const TwoUpForm &form, qlonglong key);

// Prints forms two to a sheet: the upper form at the paper kind's origin, the lower one the
// edition's offset (7920 twips) below it; each full sheet is sent as a print job of its own, on the paper kind's page
// and named after the form, the filer and the sheet ("W-2 12-3456789 sheet 3 of 25"). The W-2
// and 1099-MISC runs are this with their own layout and column rule, written as steps so that
// a failure dialog can repeat or skip one of them.
class TwoUpRun {
public:
    // The number of forms to print gives the number of sheets that the job names count to.
    TwoUpRun(Database &db, Printer &printer, QString paperKind, TwoUpForm form, int forms);

    // Reads the edition, the origin of the paper kind (a missing row is an error) and the
    // layout; sets the font.
    void start();
    // Prints the current row of the record set at the current slot.
    void printForm(const RecordSet &row);
    // Moves to the next slot; after the lower form the sheet goes out.
    void nextSlot();
    // Sends a last, half-filled sheet; nothing after an even number of forms.
    void finish();

    const FormOrigin &origin() const { return origin_; }

private:
    Database &db_;
    Printer &printer_;
    QString paperKind_;
    TwoUpForm form_;
    FormOrigin origin_;
    TwoUpLayout layout_;
    Twips formTop_;
    bool upper_ = true;
    int sheets_ = 0;
    int sheet_ = 0;
};

// The steps of a run over the rows with the given keys, in that order: the start, each form and
// the move to the next slot, the finish. Run one after the other they print the forms; the
// print screens run them through their failure dialog.
std::vector<std::function<void()>> TwoUpSteps(TwoUpRun &run, Database &db, const TwoUpForm &form,
                                              const QVector<qlonglong> &keys);

} // namespace quillory
