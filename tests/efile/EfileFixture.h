#pragma once

#include "data/Database.h"
#include "efile/Submitter.h"
#include "support/TestDatabase.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace quillory::test {

// A small filing season: a submitter, tax year 2024, two employers with three W-2s and a
// payer with a rent-only 1099, one of nonemployee compensation with withholding, and one
// of both.
class EfileSample {
public:
    explicit EfileSample(Database &database) : db(database)
    {
        db.exec(QStringLiteral("UPDATE Settings SET Year = '2024'"));
        efile::Submitter s;
        s.ein = QStringLiteral("98-7654321");
        s.ssaUserId = QStringLiteral("AB12CD34");
        s.tcc = QStringLiteral("9Z123");
        s.name = QStringLiteral("Ledger & Sons");
        s.address = QStringLiteral("1 Main St");
        s.city = QStringLiteral("Springfield");
        s.state = QStringLiteral("IL");
        s.zip = QStringLiteral("62701-1234");
        s.contact = QStringLiteral("Pat Ledger");
        s.phone = QStringLiteral("(217) 555-0100");
        s.email = QStringLiteral("pat@example.com");
        s.store(db);
        const int acme = filer("12-3456789", "Acme Tools", "941");
        filer("23-4567890", "Farm Co", "943");
        db.exec(QStringLiteral("UPDATE FilerInfo SET EstNo = '0001', Phone = '217-555-0199' WHERE Tfid = ?"), {acme});
        w2(1, "123-45-6789", "Ann M.", "Lee", "12 Oak Ave", "Springfield, IL 62704", 150000000, 15000000);
        w2(1, "234-56-7890", "José", "O'Brien Jr", "9 Elm St", "Peoria IL 61602-0001", 99999999900, 0);
        w2(2, "345-67-8901", "Bo", "Diaz", "Rural Rt 2", "Dixon, IL 61021", 2500000, 100000);
        db.exec(QStringLiteral("UPDATE W2 SET Box12a_Code = 'D', Box12a_Amt = 5000000, Box12b_Code = 'D', "
                               "Box12b_Amt = 1000000, Box12c_Code = 'DD', Box12c_Amt = 7000000, Box12d_Code = 'T', "
                               "Box12d_Amt = 30000000, Box13b = -1, Box15a_L1 = 'IL', Box15b_L1 = 'IL-998', "
                               "Box16_L1 = 150000000, Box17_L1 = 7425000 WHERE Boxd = '123-45-6789'"));
        payee("Rita Renter", "111-22-3333", 12000000, 0, 0);
        payee("Nick Contractor", "22-3334444", 0, 64000000, 5000000);
        payee("Both Ways LLC", "33-4445555", 3000000, 1000000, 0);
    }

    int filer(const char *ein, const char *name, const char *type)
    {
        db.exec(QStringLiteral("INSERT INTO FilerInfo (FedIDNo, FilerType, PayerName, PayerL1, PayerL2, Contact, "
                               "Email) VALUES (?, ?, ?, '500 Industrial Way', 'Decatur, IL 62521', 'Kim', "
                               "'kim@example.com')"),
                {QLatin1String(ein), QLatin1String(type), QLatin1String(name)});
        return db.scalar(QStringLiteral("SELECT max(Tfid) FROM FilerInfo")).toInt();
    }
    void w2(int tfid, const char *ssn, const char *first, const char *last, const char *street, const char *city,
            qint64 wagesUnits, qint64 taxUnits)
    {
        db.exec(QStringLiteral("INSERT INTO W2 (Tfid, Boxd, Boxe_FName, Boxe_LName, Boxf_L1, Boxf_L2, Box1, Box2, "
                               "Box3, Box5) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {tfid, QString::fromUtf8(ssn), QString::fromUtf8(first), QString::fromUtf8(last), QLatin1String(street),
                 QLatin1String(city), wagesUnits, taxUnits, wagesUnits, wagesUnits});
    }
    void payee(const char *name, const char *tin, qint64 rents, qint64 nec, qint64 withheld)
    {
        db.exec(QStringLiteral("INSERT INTO \"1099Misc\" (FedIDNo, PayerName, RecIDNo, RecName1, RecAddr, "
                               "RecCityStZip, Box1, Box7, Box4) VALUES ('12-3456789', 'Acme Tools', ?, ?, "
                               "'77 Pine Rd', 'Normal, IL 61761', ?, ?, ?)"),
                {QLatin1String(tin), QLatin1String(name), rents, nec, withheld});
    }

    Database &db;
};

class EfileTest : public FreshDatabase {
protected:
    void SetUp() override { EfileSample sample(db); }
};

// The text at 1-based positions of a record.
inline QByteArray at(const QByteArray &record, int start, int length)
{
    return record.mid(start - 1, length);
}

} // namespace quillory::test
