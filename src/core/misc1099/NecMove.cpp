#include "misc1099/NecMove.h"

#include "data/Database.h"
#include "data/Settings.h"

namespace quillory {

namespace {

// A 1099-MISC with nothing to report but box 7, its withholding and its state lines.
const char *const kOnlyBox7 =
    "(abs(Box1) + abs(Box2) + abs(Box3) + abs(Box5) + abs(Box6) + abs(Box8) + abs(Box10) + abs(Box13) + "
    "abs(Box14) + abs(FishPurchased) + abs(Deferrals409A) + abs(NqDeferredComp) + abs(CashTips) + "
    "abs(Overtime) = 0 AND Box9 = 0 AND Fatca = 0 AND coalesce(Box15a, '') = '' AND coalesce(Box15b, '') = '')";

} // namespace

int box7Returns(Database &db)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM \"1099Misc\" WHERE Box7 > 0")).toInt();
}

bool offerNecMove(Database &db, const std::function<bool(int)> &askYes)
{
    if (Settings::read(db).year.toInt() < 2025 ||
        db.scalar(QStringLiteral("SELECT count(*) FROM NecMoveOffer WHERE Offered <> 0")).toInt() > 0)
        return false;
    const int returns = box7Returns(db);
    if (returns == 0)
        return false;
    const bool yes = askYes(returns);
    const QString only = QString::fromLatin1(kOnlyBox7);
    Transaction t(db);
    if (yes) {
        db.exec(QStringLiteral(
                    "INSERT INTO \"1099Nec\" (CorrectedFlag, PayerName, PayerL1, PayerL2, PayerL3, FedIDNo, RecIDNo, "
                    "RecName1, RecName2, RecAddr, RecCityStZip, AcctNo, TIN, NonemployeeComp, FedTaxWithheld, "
                    "StateTax_L1, StateTax_L2, State_L1, State_L2, StateNo_L1, StateNo_L2, StateIncome_L1, "
                    "StateIncome_L2, Tfid, EstNo, FilerType) "
                    "SELECT CorrectedFlag, PayerName, PayerL1, PayerL2, PayerL3, FedIDNo, RecIDNo, RecName1, RecName2, "
                    "RecAddr, RecCityStZip, AcctNo, TIN, Box7, "
                    "CASE WHEN %1 THEN Box4 ELSE 0 END, CASE WHEN %1 THEN Box16_L1 ELSE 0 END, "
                    "CASE WHEN %1 THEN Box16_L2 ELSE 0 END, CASE WHEN %1 THEN Box17a_L1 END, "
                    "CASE WHEN %1 THEN Box17a_L2 END, CASE WHEN %1 THEN Box17b_L1 END, "
                    "CASE WHEN %1 THEN Box17b_L2 END, CASE WHEN %1 THEN Box18_L1 ELSE 0 END, "
                    "CASE WHEN %1 THEN Box18_L2 ELSE 0 END, Tfid, EstNo, FilerType "
                    "FROM \"1099Misc\" WHERE Box7 > 0 ORDER BY Counter")
                    .arg(only));
        db.exec(QStringLiteral("DELETE FROM \"1099Misc\" WHERE Box7 > 0 AND %1").arg(only));
        db.exec(QStringLiteral("UPDATE \"1099Misc\" SET Box7 = 0 WHERE Box7 > 0"));
    }
    db.exec(QStringLiteral("UPDATE NecMoveOffer SET Offered = -1"));
    t.commit();
    return yes;
}

} // namespace quillory
