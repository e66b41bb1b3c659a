#include "shell/FieldBinding.h"

#include "data/RecordSet.h"
#include "shell/FieldValues.h"
#include "shell/InputRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaProperty>

namespace quillory {

namespace {

QMetaProperty userProperty(const QWidget *control)
{
    return control->metaObject()->userProperty();
}

// Puts a value into the control's user property; a combo box that selects by prefix picks the
// first entry the text begins.
void setFieldValue(const RecordField &field, const QVariant &value)
{
    auto *combo = qobject_cast<QComboBox *>(field.control);
    if (combo && field.selectByPrefix)
        SelectComboEntry(combo, value.toString());
    else
        userProperty(field.control).write(field.control, value);
}

void showField(const RecordField &field, const RecordSet &rows)
{
    const ColumnInfo &col = rows.columns().column(field.column.trimmed());
    const QVariant stored = rows.value(col.position);
    if (field.show) {
        field.show(stored);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(field.control); edit && col.kind == ColumnKind::Text && col.size > 0)
        edit->setMaxLength(col.size);
    const bool asFlag = userProperty(field.control).userType() == QMetaType::Bool;
    setFieldValue(field, shownValue(col.kind, stored, asFlag));
}

void writeField(const RecordField &field, RecordSet &rows)
{
    const ColumnInfo &col = rows.columns().column(field.column.trimmed());
    if (col.kind == ColumnKind::Counter)
        return;
    if (field.read) {
        rows.setValue(col.name, field.read());
        return;
    }
    if (const auto value = storedValue(col.kind, fieldValue(field)))
        rows.setValue(col.name, *value);
}

void clearField(const RecordField &field)
{
    if (field.clear)
        field.clear();
    else if (auto *edit = qobject_cast<QLineEdit *>(field.control))
        edit->clear();
    else if (qobject_cast<QCheckBox *>(field.control))
        setFieldValue(field, false);
    else
        setFieldValue(field, field.clearedText);
}

} // namespace

QVariant fieldValue(const RecordField &field)
{
    if (field.read)
        return field.read();
    return userProperty(field.control).read(field.control);
}

int lengthLimit(const RecordField &field)
{
    if (field.maxLength > 0)
        return field.maxLength;
    const auto *edit = qobject_cast<const QLineEdit *>(field.control);
    return edit ? edit->maxLength() : 32767;
}

RecordField &FieldBindings::add(QWidget *control, const QString &column)
{
    fields_.push_back(RecordField{});
    RecordField &field = fields_.back();
    field.control = control;
    field.column = column;
    return field;
}

const RecordField *FieldBindings::of(const QObject *control) const
{
    for (const RecordField &f : fields_)
        if (f.control == control)
            return &f;
    return nullptr;
}

const RecordField *FieldBindings::forColumn(const QString &column) const
{
    for (const RecordField &f : fields_)
        if (f.column.trimmed().compare(column, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

void FieldBindings::limitLengths(const std::function<const ColumnInfo *(const RecordField &)> &columnOf,
                                 int amountLength)
{
    for (RecordField &f : fields_) {
        const ColumnInfo *col = columnOf(f);
        if (col && col->kind == ColumnKind::Money && f.maxLength <= 0)
            f.maxLength = amountLength;
        if (!col || col->kind != ColumnKind::Text || col->size <= 0 || f.show)
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(f.control))
            edit->setMaxLength(col->size);
        else if (auto *combo = qobject_cast<QComboBox *>(f.control); combo && combo->lineEdit())
            combo->lineEdit()->setMaxLength(col->size);
    }
}

void FieldBindings::show(const RecordSet &rows) const
{
    for (const RecordField &f : fields_)
        showField(f, rows);
}

void FieldBindings::write(RecordSet &rows) const
{
    for (const RecordField &f : fields_)
        writeField(f, rows);
}

void FieldBindings::clear() const
{
    for (const RecordField &f : fields_)
        clearField(f);
}

} // namespace quillory
