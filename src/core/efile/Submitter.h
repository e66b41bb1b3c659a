#pragma once

#include <QString>

namespace quillory {
class Database;
}

namespace quillory::efile {

// Who sends the electronic files: one row of the table EfileSubmitter.
struct Submitter {
    QString ein;
    QString ssaUserId; // Business Services Online user ID, for the W-2 file
    QString tcc;       // IRS Transmitter Control Code, for the 1099 file
    QString name;
    QString address; // street
    QString city;
    QString state;
    QString zip;
    QString contact;
    QString phone;
    QString email;
    QString preparer = QStringLiteral("L"); // who prepared the W-2 file: L self, A accounting firm, ...
    bool testFile = false;

    // The stored row, or an empty one when none is stored yet.
    static Submitter read(Database &db);
    // Replaces the stored row, in one transaction.
    void store(Database &db) const;
};

} // namespace quillory::efile
