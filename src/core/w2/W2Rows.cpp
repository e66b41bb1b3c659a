#include "w2/W2Rows.h"

namespace quillory::w2 {

RecordSet rowsOf(Database &db, int tfid)
{
    return RecordSet::table(db, QStringLiteral("W2"), QStringLiteral("Tfid = ?"), {tfid});
}

RecordSet listOf(Database &db, int tfid)
{
    return RecordSet::query(db, QStringLiteral("SELECT id, Boxd, Boxe_FName, Boxe_LName FROM W2 WHERE Tfid = ?"),
                            {tfid});
}

} // namespace quillory::w2
