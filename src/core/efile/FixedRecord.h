#pragma once

#include "data/Money.h"

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <vector>

namespace quillory::efile {

// How a field is filled.
enum class FieldKind {
    Text,   // upper case, left-justified, blank-filled
    Digits, // the digits of the value only, left-justified, blank-filled (TINs, ZIP codes, phones)
    Count,  // a whole number, right-justified, zero-filled
    Money,  // an amount in cents, right-justified, zero-filled
};

struct FixedField {
    const char *name;
    int start; // 1-based position in the record
    int length;
    FieldKind kind;
    int fromYear = 0; // the first tax year whose edition has the field; blank before it

    bool usedIn(int taxYear) const { return taxYear >= fromYear; }
};

// One record kind of a file format: its identifier (written at position 1), its length and
// its fields. Positions not covered by a field, or by one not used in the record's tax year,
// stay blank.
struct RecordLayout {
    const char *type;
    int length;
    std::vector<FixedField> fields;

    const FixedField *find(const char *name) const;
    // The field when the tax year's edition has it.
    const FixedField *find(const char *name, int taxYear) const;
};

// A record of one tax year being filled from its layout. Text is cut at its field's length;
// an amount or count that does not fit is refused (the caller reports it).
class FixedRecord {
public:
    explicit FixedRecord(const RecordLayout &layout, int taxYear = 0);

    void set(const char *field, const QString &value);
    // False when the amount is negative or needs more digits than the field has.
    bool setMoney(const char *field, Money amount);
    bool setCount(const char *field, qint64 value);
    // Whether an amount fits the field (not negative, within its digits).
    bool fits(const char *field, Money amount) const;

    const QByteArray &bytes() const { return bytes_; }
    // The fields given text that the file's plain ASCII cannot hold (written as '?').
    const std::vector<const char *> &unwritable() const { return unwritable_; }
    const RecordLayout &layout() const { return layout_; }
    // Whether this record's tax year has the field.
    bool has(const char *field) const { return layout_.find(field, taxYear_) != nullptr; }

private:
    const FixedField &fieldOf(const char *name) const;
    void put(const FixedField &field, const QByteArray &text);

    const RecordLayout &layout_;
    int taxYear_;
    QByteArray bytes_;
    std::vector<const char *> unwritable_;
};

// Upper case ASCII as the files take it: accents dropped, other characters kept as they are
// (the check reports those that are not plain ASCII).
QString fileText(const QString &text);
// Only the digits of a value ("12-3456789" -> "123456789").
QString digitsOf(const QString &text);

} // namespace quillory::efile
