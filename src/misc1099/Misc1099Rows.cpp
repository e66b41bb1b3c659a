#include "misc1099/Misc1099Rows.h"

namespace quillory::misc1099 {

RecordSet rowsOf(Database &db, int tfid)
{
    return RecordSet::table(db, QStringLiteral("1099Misc"), QStringLiteral("Tfid = ?"), {tfid});
}

RecordSet listOf(Database &db, int tfid)
{
    return RecordSet::query(db, QStringLiteral("SELECT RecIDNo, RecName1 FROM \"1099Misc\" WHERE Tfid = ?"), {tfid});
}

} // namespace quillory::misc1099
