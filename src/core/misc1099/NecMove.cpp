#include "misc1099/NecMove.h"

#include "data/Database.h"
#include "data/ReturnTable.h"
#include "data/Settings.h"

namespace quillory {

bool offerNecMove(Database &db, const std::function<bool(int)> &askYes)
{
    if (Settings::read(db).year.toInt() < 2025 ||
        db.scalar(QStringLiteral("SELECT count(*) FROM NecMoveOffer WHERE Offered <> 0")).toInt() > 0)
        return false;
    const int returns = returnTable::box7Count(db);
    if (returns == 0)
        return false;
    const bool yes = askYes(returns);
    Transaction t(db);
    if (yes)
        returnTable::moveBox7ToNec(db);
    db.exec(QStringLiteral("UPDATE NecMoveOffer SET Offered = -1"));
    t.commit();
    return yes;
}

} // namespace quillory
