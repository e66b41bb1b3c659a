#pragma once

#include "data/Money.h"
#include "data/Settings.h"
#include "data/TaxYears.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace quillory {

// What the W-2 checks read from the screen's fields, as typed.
struct W2Entry {
    QString firstName;
    QString lastName;
    QString box2, box3, box4, box5, box6, box9;
    std::array<QString, 4> box12Codes; // 12a to 12d
    std::array<QString, 4> box12Amounts;
    std::array<QString, 2> box14b; // Treasury tipped occupation codes, where the year has the box
};

// The outcome of checking one W-2 before it is stored.
struct W2CheckResult {
    enum class Missing { None, FirstName, LastName };
    enum class Box12 { None, InvalidCode, DeferralOverLimit };

    Missing missing = Missing::None;
    QStringList findings;
    Box12 box12 = Box12::None;
    bool invalidBox14b = false;

    bool passes() const { return missing == Missing::None && findings.isEmpty(); }
    // An invalid box 12 code (and no deferral finding) or box 14b code makes the message critical.
    bool critical() const { return box12 == Box12::InvalidCode || invalidBox14b; }
    // The one message that lists every finding.
    QString message() const;
};

// An amount field read the way the checks read it: the screen's currency form or a plain
// number, rounded to cents; empty is 0; other text counts as its leading number.
Money fieldAmount(const QString &text, const QLocale &locale = QLocale());

// Names first (one at a time), then, with the edits switch on, the amounts against the year's
// limits and rates and the codes against the year's form (that of 2001 unless given).
W2CheckResult checkW2(const W2Entry &entry, const Settings &limits, bool editsOn, const QLocale &locale = QLocale(),
                      const W2YearForm &form = W2YearForm{});

// The rule of 2001: whether a box 12 code is one of A to T or V.
bool isValidBox12Code(const QString &code);
// The rule of 2001: whether a box 12 code is an elective deferral (D to H, S) limited by the
// year's maximum.
bool isElectiveDeferral(const QString &code);

// The sick-pay prompt: asks for the income tax withheld on third-party sick pay.
struct SickPayPrompt {
    static const QString title;
    static const QString first;     // the first question
    static const QString notNumber; // after an entry that is not a number
    static const QString tooLarge;  // after an amount above box 2

    enum class Verdict { NotANumber, TooLarge, Accepted };
    // Checks one entry against box 2; the accepted amount is set when the verdict is Accepted.
    static Verdict check(const QString &entry, const QString &box2, std::optional<Money> &accepted,
                         const QLocale &locale = QLocale());
};

} // namespace quillory
