#include "w2/W2Employer.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"

namespace quillory {

W2Employer W2Employer::read(Database &db, int tfid)
{
    RecordSet rs = filerTable::withKey(db, tfid);
    if (rs.eof())
        throw DbError(
            QStringLiteral("The employer of these W-2s (number %1) is no longer among the filers.").arg(tfid));
    W2Employer e;
    e.tfid = tfid;
    e.fedIdNo = rs.text(QStringLiteral("FedIDNo"));
    e.estNo = rs.text(QStringLiteral("EstNo"));
    e.filerType = rs.text(QStringLiteral("FilerType"));
    const char *const lines[4] = {"PayerName", "PayerL1", "PayerL2", "PayerL3"};
    for (int i = 0; i < 4; ++i)
        e.nameAndAddress[i] = rs.text(QString::fromLatin1(lines[i]));
    e.states[0] = {rs.text(QStringLiteral("State1")), rs.text(QStringLiteral("State1ID"))};
    e.states[1] = {rs.text(QStringLiteral("State2")), rs.text(QStringLiteral("State2ID"))};
    return e;
}

void W2Employer::copyInto(RecordSet &w2Row) const
{
    w2Row.setText(QStringLiteral("Boxb"), fedIdNo);
    for (int i = 0; i < 4; ++i)
        w2Row.setText(QStringLiteral("Boxc_L%1").arg(i + 1), nameAndAddress[i]);
    w2Row.setText(QStringLiteral("EstNo"), estNo);
    w2Row.setText(QStringLiteral("FilerType"), filerType);
    w2Row.setValue(QStringLiteral("Tfid"), tfid);
}

int NextControlNumber(Database &db)
{
    return Settings::nextW2Counter(db);
}

Settings readW2Limits(Database &db)
{
    if (!Settings::exists(db))
        return Settings{};
    return Settings::read(db);
}

} // namespace quillory
