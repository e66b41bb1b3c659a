#pragma once

#include "printing/FormLayout.h"

#include <QLocale>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>
#include <stdexcept>

namespace quillory {

class Database;

// The two fields of a print screen: "Down:" (TopMargAdjust) and "Right:" (LeftMargAdjust).
struct AlignmentFields {
    QString down;
    QString right;
};

// How a print screen reads its fields.
enum class AlignmentReading {
    LeadingNumber, // the number the text starts with; no number is 0 (1099 print screen)
    WholeNumber,   // the whole text in the locale's number form, or the print is refused (W-2)
};

// A field that cannot be stored; what() tells the user what to type instead.
class AlignmentInputError : public std::runtime_error {
public:
    explicit AlignmentInputError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// The PrintMargins row of a form kind as stored: TopMargin, TopMargAdjust, LeftMargin,
// LeftMargAdjust; nothing when the kind has no row.
using StoredMargins = std::array<QVariant, 4>;
std::optional<StoredMargins> ReadStoredMargins(Database &db, const QString &formName);

// The adjustment of a form kind ("W2-L", "1096", ...) as the fields show it (180 -> " 2").
AlignmentFields LoadAlignment(Database &db, const QString &formName);

// The fields as a shift (down as top, right as left), read as a print button reads
// them; a field that cannot be read throws AlignmentInputError.
FormOrigin ReadAlignment(const AlignmentFields &fields, AlignmentReading reading, const QLocale &locale = QLocale());

// Stores the fields into the form kind's row, in twips. Both fields are read
// before anything is written: a field that cannot be stored throws AlignmentInputError and
// a missing row DbError, and the row keeps its values.
void StoreAlignment(Database &db, const QString &formName, const AlignmentFields &fields, AlignmentReading reading,
                    const QLocale &locale = QLocale());

} // namespace quillory
