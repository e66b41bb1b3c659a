#include "efile/Submitter.h"

#include "data/Database.h"

#include <QSqlQuery>

namespace quillory::efile {

namespace {
const QString kColumns = QStringLiteral("EIN, SSAUserID, TCC, Name, Address, City, State, ZIP, Contact, Phone, Email, "
                                        "Preparer, TestFile");
}

Submitter Submitter::read(Database &db)
{
    Submitter s;
    QSqlQuery q = db.exec(QStringLiteral("SELECT ") + kColumns + QStringLiteral(" FROM EfileSubmitter LIMIT 1"));
    if (!q.next())
        return s;
    QString *texts[] = {&s.ein,   &s.ssaUserId, &s.tcc,     &s.name,  &s.address, &s.city,
                        &s.state, &s.zip,       &s.contact, &s.phone, &s.email};
    int i = 0;
    for (QString *t : texts)
        *t = q.value(i++).toString();
    if (!q.value(i).toString().isEmpty())
        s.preparer = q.value(i).toString();
    s.testFile = q.value(i + 1).toLongLong() != 0;
    return s;
}

void Submitter::store(Database &db) const
{
    Transaction t(db);
    db.exec(QStringLiteral("DELETE FROM EfileSubmitter"));
    db.exec(QStringLiteral("INSERT INTO EfileSubmitter (") + kColumns +
                QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {ein, ssaUserId, tcc, name, address, city, state, zip, contact, phone, email, preparer, testFile ? -1 : 0});
    t.commit();
}

} // namespace quillory::efile
