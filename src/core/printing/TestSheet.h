#pragma once

#include "printing/FormLayout.h"

#include <QString>

namespace quillory {

class Database;
class Printer;
struct TwoUpForm;

// Prints an alignment test sheet for plain paper: both forms of a two-up sheet on the paper
// kind ("W2-L", "1099-C", ...), at its origin shifted by the adjustment shown on the screen
// (not the stored one). Every field gets its box outlined with a sample value in it, placed as
// a real run places values; a cross marks each form's origin, and rulers in sixteenths of an
// inch run along the top and left edges of the page. Held against a real form, it shows how
// far to move the print. One print job.
void PrintTestSheet(Database &db, Printer &printer, const QString &paperKind, const TwoUpForm &form,
                    const FormOrigin &shownShift);

// The sample value a test sheet prints in a field: an amount, or the field's name cut to its box.
QString TestSheetSample(const LayoutField &field);

} // namespace quillory
