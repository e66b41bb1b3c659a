#include "filers/FilerRows.h"

namespace quillory::filers {

RecordSet all(Database &db)
{
    return RecordSet::table(db, QStringLiteral("FilerInfo"));
}

RecordSet everyColumn(Database &db)
{
    return RecordSet::query(db, QStringLiteral("SELECT * FROM FilerInfo"));
}

RecordSet pickList(Database &db)
{
    return RecordSet::query(db, QStringLiteral("SELECT FedIDNo, EstNo, FilerType, PayerName, PayerL1 FROM FilerInfo"));
}

} // namespace quillory::filers
