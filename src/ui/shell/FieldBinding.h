#pragma once

#include "data/TableInfo.h"
#include "shell/TypingRules.h"

#include <QVariant>
#include <deque>
#include <functional>

class QWidget;

namespace quillory {

class RecordSet;

// One field of a record screen: a control (line edit, check box or combo box) and the column
// it shows and stores. The column is found by name whenever a row is shown or stored, and its
// kind decides how: text with the column's size as the maximum length, money shown in the
// regional currency form (empty for 0 or less, empty stored as 0), flags as check boxes.
struct RecordField : TypingRules {
    QWidget *control = nullptr;
    QString column;
    unsigned keys = AnyKey;      // the typing rules, TypingRules::Keys combined
    bool selectByPrefix = false; // combo box: SelectComboEntry instead of setting the text
    int maxLength = 0;           // amount field: the longest entry (text fields: the column's size)
    QString clearedText;         // combo box: what ClearFields puts in
    // For controls that need their own handling (masked fields, lists filled on demand).
    std::function<void(const QVariant &)> show;
    std::function<QVariant()> read;
    std::function<void()> clear;

    RecordField &withKeys(unsigned k)
    {
        keys = k;
        return *this;
    }
    RecordField &withMaxLength(int length)
    {
        maxLength = length;
        return *this;
    }
    RecordField &selectingEntry(const QString &cleared)
    {
        selectByPrefix = true;
        clearedText = cleared;
        return *this;
    }
};

// What a field holds: its own reading, or its control's user property (a line edit's or combo
// box's text, a check box's tick), as QDataWidgetMapper reads it.
QVariant fieldValue(const RecordField &field);
// The longest entry a field takes: an amount's own length, or its line edit's.
int lengthLimit(const RecordField &field);

// The fields of a record screen, bound to the columns of its rows by name.
class FieldBindings {
public:
    RecordField &add(QWidget *control, const QString &column);
    const RecordField *of(const QObject *control) const;
    const RecordField *forColumn(const QString &column) const;
    const std::deque<RecordField> &all() const { return fields_; }

    // Typing is limited by the column sizes from the start, before any row is shown; an amount
    // takes its own length, or `amountLength` when it has none.
    void limitLengths(const std::function<const ColumnInfo *(const RecordField &)> &columnOf, int amountLength);
    // Every field from the current row of the set, or into it (the counter column is not written).
    void show(const RecordSet &rows) const;
    void write(RecordSet &rows) const;
    void clear() const;

private:
    std::deque<RecordField> fields_;
};

} // namespace quillory
