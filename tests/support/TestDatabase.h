#pragma once

#include "data/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillory::test {

// A program folder of its own: a fresh copy of the shipped database file and help file. The
// copy is on tax year 2001, which the tests were written for, unless another year Quillory knows
// is asked for (nullptr: as shipped).
class TestFolder {
public:
    explicit TestFolder(const char *taxYear = "2001");
    const QString &folder() const { return folder_; }
    QString databasePath() const { return folder_ + QStringLiteral("/Quillory.mdb"); }
    QString helpPath() const { return folder_ + QStringLiteral("/Quillory.HLP"); }
    // Runs SQL on the copy through a connection of its own (for setting up a case).
    void exec(const QString &sql) const;
    // Puts the copy's Settings on a year of TaxYears, as "Tax Year..." would.
    void useTaxYear(const QString &year) const;

private:
    QTemporaryDir dir_;
    QString folder_;
};

// A test on a fresh copy of the shipped database, open as `db`.
class FreshDatabase : public ::testing::Test {
protected:
    FreshDatabase() { db.open(folder.databasePath()); }

    // A filer; gives back its Tfid.
    int addFiler(const QString &fedIdNo, const QString &filerType = QStringLiteral("941"), const QString &estNo = {})
    {
        db.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, FilerType, EstNo, PayerName, AddlEIN, Contact, Phone) "
                               "VALUES (?, ?, ?, 'Acme', '11-1111111', 'Pat', '555-0100')"),
                {fedIdNo, filerType, estNo});
        return db.scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt();
    }

    TestFolder folder;
    Database db;
};

} // namespace quillory::test
