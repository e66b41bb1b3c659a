#pragma once

#include "data/TableInfo.h"
#include "data/Twips.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

namespace quillory {

class Database;
class Printer;
class RecordSet;

// Two-up sheets (W-2, 1099-MISC): the lower form prints 5.5 inches below the upper one.
constexpr Twips kLowerFormOffset = Twips::sixteenths(88);

// Where a form kind sits on the paper: the fixed origin plus the user's shift.
struct FormOrigin {
    Twips top;
    Twips left;
};

enum class MissingMargins {
    Fail,    // no row for the form kind is an error of the run
    UseZero, // no row prints at (0, 0)
};

// The origin of a form kind (a PrintMargins FormName such as "W2-L"). Both sums are 16-bit
// print positions: a sum out of that range is an error, never a wrap-around. A shift given
// (down as top, right as left) stands for the stored adjustment: a test sheet shows the one typed.
FormOrigin GetFormOrigin(Database &db, const QString &formName, MissingMargins missing = MissingMargins::Fail,
                         const FormOrigin *shift = nullptr);

// How wide the integers are that a run reads a layout's positions into.
enum class LayoutNumbers { Int16, Int32 };

// One field of a form's layout: where a column's value goes, relative to the form origin.
struct LayoutField {
    QString formName;
    QString fieldName;
    Twips xPos1;
    Twips yPos1;
    Twips fieldLength; // width of the field's box; amounts end at its right edge
    int justify = 0;   // > 0: an amount in the W-2 and 1099-MISC runs
    LayoutNumbers numbers = LayoutNumbers::Int16;
};

// The layout rows of one form, in the order they were stored.
class FieldLayout {
public:
    FieldLayout() = default;
    FieldLayout(QString formName, QVector<LayoutField> fields);

    const QString &formName() const { return formName_; }
    const QVector<LayoutField> &fields() const { return fields_; }
    // The first row whose fieldname is the column's name, without regard to case, or nullptr.
    const LayoutField *find(const QString &columnName) const;

private:
    QString formName_;
    QVector<LayoutField> fields_;
    QHash<QString, int> byName_;
};

// Reads the PrintFormats rows of a form ("W2", "W3", "1099-MISC", "1096"): those of one
// type, or of every type when none is given. A position that is negative, not a number or
// too large for the integers of the run is an error.
FieldLayout OpenFieldLayout(Database &db, const QString &formName, std::optional<int> type,
                            LayoutNumbers numbers = LayoutNumbers::Int16);

// The font of every form run: Courier New, 12 points.
void SetFormFont(Printer &printer);

// An amount as the forms print it: "######0.00", and the empty text when it comes to zero,
// is empty or is not a number at all.
QString FormatAmount(const QString &text);

// The box of a field on the page in twips: its place below top and right of left, as wide as
// the field and one line of the font high.
TwipsRect FieldBox(const LayoutField &field, Twips top, Twips left, double fontPoints);

// Draws one value at the field's place below top and right of left. An amount is formatted
// and right-aligned to end at the right edge of the field's box; plain text starts at the
// left edge and is never cut: a text that would run past the right edge of the page ends at it.
void PlaceFieldText(Printer &printer, const LayoutField &field, const QString &text, Twips top, Twips left,
                    bool isAmount);

// A stored value as text: Null is empty, money a plain number ("1234.5"), a flag True/False.
QString ValueText(const QVariant &value, ColumnKind kind);

// What a run's column rule sees of one column that has a layout row.
struct ColumnValue {
    const ColumnInfo &column;
    const QVariant &value;
    QString text; // ValueText of the value
    const LayoutField &layout;
};
struct PrintedValue {
    QString text;
    bool isAmount = false;
};
// Turns a column into the text to print; nothing leaves the column off the form.
using ColumnRule = std::function<std::optional<PrintedValue>(const ColumnValue &)>;

// The value as text, an amount when its layout row's Justify is above 0.
std::optional<PrintedValue> AmountByJustify(const ColumnValue &column);

// Draws the current row of a record set as one form: every column that has a layout row,
// in the table's column order; columns without one are not printed.
void PrintRowOnForm(Printer &printer, const RecordSet &row, const FieldLayout &layout, Twips top, Twips left,
                    const ColumnRule &rule = AmountByJustify);

// A form printed one to a sheet (the W-3, the 1096): its layout and where it starts.
struct OneUpForm {
    FieldLayout layout;
    FormOrigin origin;
};
// Starts the job of a one-up form ("W3", "1096") in the layout of its edition, shifted by the
// form's alignment (none set: no shift), on its paper in the form font, and prints the row on
// it by the rule; the caller ends the job.
OneUpForm PrintOneUpForm(Printer &printer, Database &db, const QString &form, const QString &layoutForm,
                         const QString &job, const RecordSet &row, const ColumnRule &rule,
                         std::optional<int> layoutType, LayoutNumbers numbers);

// Sends what was drawn since the last end as one print job.
void EndPrintJob(Printer &printer);

} // namespace quillory
