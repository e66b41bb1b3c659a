#include "efile/Submitter.h"

#include "data/Database.h"

#include <QSqlQuery>

#include <utility>

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
    const std::pair<const char *, QString *> texts[] = {
        {"EIN", &s.ein},         {"SSAUserID", &s.ssaUserId}, {"TCC", &s.tcc},     {"Name", &s.name},
        {"Address", &s.address}, {"City", &s.city},           {"State", &s.state}, {"ZIP", &s.zip},
        {"Contact", &s.contact}, {"Phone", &s.phone},         {"Email", &s.email}};
    for (const auto &[column, text] : texts)
        *text = q.value(QLatin1String(column)).toString();
    const QString preparer = q.value(QStringLiteral("Preparer")).toString();
    if (!preparer.isEmpty())
        s.preparer = preparer;
    s.testFile = q.value(QStringLiteral("TestFile")).toLongLong() != 0;
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
