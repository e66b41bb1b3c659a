#pragma once

#include <QString>
#include <QStringList>

namespace quillory {

class Database;

// What the hyphens of an identification number make of it. Only their number counts: one
// hyphen is read as an employer number (99-9999999), two as a social security number
// (999-99-9999).
enum class IdNumberForm {
    Unchecked, // empty, or three hyphens or more
    Malformed, // no hyphen at all
    Fein,
    Ssn,
};
IdNumberForm idNumberForm(const QString &text);

// The entries of a filer that the save looks at.
struct FilerEntries {
    QString payerName;
    QString payerL1;
    QString payerL2;
    QString payerL3;
    QString state1Id;
    QString state2Id;
    QString state1;
    QString state2;
};

// The lines naming what is missing, in screen order; each line begins with five blanks.
// A state's ID is only missing when the state is given, and the other way round.
QStringList missingFilerEntries(const FilerEntries &entries);
// The warning that lists the missing entries.
QString missingEntriesMessage(const QStringList &lines);

// Whether lstStates holds the abbreviation (letter case ignored).
bool isStateAbbreviation(Database &db, const QString &code);

// Whether a W-2, 1099-MISC or 1099-NEC names the filer's identification number, so that the filer
// must stay.
bool filerHasReturns(Database &db, const QString &fedIdNo);

} // namespace quillory
