#include "support/TestDatabase.h"

#include "data/Database.h"

#include <QFile>
#include <gtest/gtest.h>

namespace quillory::test {

TestFolder::TestFolder(const char *taxYear) : folder_(dir_.path())
{
    if (!QFile::copy(QStringLiteral(QUILLORY_SHIPPED_DB), databasePath()))
        ADD_FAILURE() << "cannot copy the shipped database " << QUILLORY_SHIPPED_DB;
    QFile::copy(QStringLiteral(QUILLORY_SHIPPED_HELP), helpPath());
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    if (taxYear)
        useTaxYear(QString::fromLatin1(taxYear));
}

void TestFolder::useTaxYear(const QString &year) const
{
    Database db;
    db.open(databasePath());
    db.exec(QStringLiteral("UPDATE Settings SET (Year, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12) = "
                           "(SELECT Year, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12 FROM TaxYears "
                           "WHERE Year = ?)"),
            {year});
}

void TestFolder::exec(const QString &sql) const
{
    Database db;
    db.open(databasePath());
    db.exec(sql);
}

} // namespace quillory::test
