#pragma once

#include <QString>
#include <QStringList>

namespace quillory {

// An address from the lines a user typed: the last line that reads "city, state ZIP" gives the
// city, state and ZIP code, the line before it the delivery (street) address and any line before
// that the location address (suite, attention). The e-files and the 2026 paper forms take it so.
struct Address {
    QString location;
    QString delivery;
    QString city;
    QString state;
    QString zip;
    QString zipExt;
    bool ok = false; // a street line and a "city, state ZIP" line were found
};
Address parseAddress(const QStringList &lines);

// The parts of a "CITY, ST 12345-6789" line; ok is false (and all empty) when it does not read so.
struct CityLine {
    QString city;
    QString state;
    QString zip;
    QString zipExt;
    bool ok = false;
};
CityLine splitCityLine(const QString &line);

// An address as the boxes of a paper form take it: the last line typed is the city line, split
// when it reads "city, state ZIP" and else kept whole as the city; the line before it is the
// street and one before that the room or suite.
struct AddressBoxes {
    QString suite;
    QString street;
    QString city;
    QString state;
    QString zip; // "12345" or "12345-6789"
};
AddressBoxes addressBoxes(const QStringList &lines);

} // namespace quillory
