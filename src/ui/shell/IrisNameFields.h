#pragma once

#include <QString>
#include <QVector>
#include <functional>
#include <utility>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace quillory {

struct RecordField;

// A payer's or recipient's name as IRIS takes it (1099s from tax year 2025): the TIN type, an
// individual or a business, and an individual's first, middle and last name and suffix (a
// business files under its name lines). The filer and 1099 screens show the same fields.
class IrisNameFields {
public:
    // `who` begins the fields' accessible names ("Recipient's", "Payer's").
    IrisNameFields(QWidget *parent, const QString &who);

    // Binds each field to its column, `prefix` "Rec" or "Payer" (RecTinType, RecNameType, ...);
    // an empty choice is stored as no value, so that a name not split yet stays so.
    void bind(const std::function<RecordField &(QWidget *, const QString &)> &addField, const QString &prefix);
    // The fields in the order they are filled in.
    QVector<QWidget *> tabOrder() const;
    // The fields under a title, each with its label above it, side by side.
    QGroupBox *group(QWidget *parent) const;
    // The fields one below the other, each with its label at its left.
    QWidget *column(QWidget *parent) const;

private:
    // Each field with its label's text.
    QVector<std::pair<QString, QWidget *>> cells() const;

public:
    QComboBox *tinType;
    QComboBox *nameType;
    QLineEdit *first;
    QLineEdit *middle;
    QLineEdit *last;
    QLineEdit *suffix;
};

} // namespace quillory
