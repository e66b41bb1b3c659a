#pragma once

#include "data/Money.h"
#include "data/TableInfo.h"

#include <QVariant>
#include <optional>

namespace quillory {

// How a column's value looks in a field and what a field's entry stores. Amounts show in the
// user's regional currency form, empty for 0 or less; flags show as ticks.

// An amount as typed: in the user's currency form or plain; nothing when it is no amount.
std::optional<Money> readAmount(const QString &text);
// Why an amount cannot be stored: digits that do not fit, or no number at all.
QString amountProblem(const QString &text);
// An amount field's text on entering (plain, for editing) or leaving (currency form); nothing
// when the text is no amount, which stays as typed for the save to report.
std::optional<QString> reformattedAmount(const QString &text, bool entering);

// What a field shows for a column's value: a tick (`asFlag`) or a text.
QVariant shownValue(ColumnKind kind, const QVariant &stored, bool asFlag);

// What a field's entry (a text, or a tick as bool) stores in a column of the kind: nothing when
// the column stays as it is (an empty number). Throws std::invalid_argument with the message for
// an entry that is no amount or number.
std::optional<QVariant> storedValue(ColumnKind kind, const QVariant &entry);

} // namespace quillory
