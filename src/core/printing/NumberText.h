#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace quillory {

// A number as the alignment fields show it: the shortest form with at most 15 significant
// digits, a blank before a value that is not negative, no zero before the decimal point
// (2 -> " 2", -1 -> "-1", 0.5 -> " .5", 0 -> " 0").
QString NumberToText(double value);

// The number a text starts with: blanks and tabs are skipped, then the longest run that
// forms a decimal number (sign, digits, one point, exponent) is read. No number reads 0
// ("2.5a" -> 2.5, "" -> 0, "word" -> 0).
double LeadingNumber(const QString &text);

// The whole text, blanks around it allowed, as a number in the locale's form (sign, digits,
// decimal separator, group separators, exponent); nothing when it is not one.
std::optional<double> WholeNumber(const QString &text, const QLocale &locale = QLocale());

} // namespace quillory
