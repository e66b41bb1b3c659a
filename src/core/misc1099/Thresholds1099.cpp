#include "misc1099/Thresholds1099.h"

#include "data/Database.h"

#include <QSqlQuery>

namespace quillory {

bool belowThresholds(Database &db, int year, const QString &form, const BoxAmount &amountOf)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT ColumnName, Amount FROM Thresholds1099 WHERE Year = ? AND Form = ?"),
                          {QString::number(year), form});
    bool anyAmount = false;
    while (q.next()) {
        const Money threshold = Money::fromVariant(q.value(QStringLiteral("Amount")));
        const Money amount = amountOf(q.value(QStringLiteral("ColumnName")).toString());
        anyAmount = anyAmount || amount > Money();
        // A threshold of 0 is met by any amount at all.
        if (amount > Money() && amount >= threshold)
            return false;
    }
    return anyAmount;
}

QString belowThresholdsQuestion(int year, const QString &form)
{
    return QStringLiteral("This %1 does not reach the %2 reporting threshold in any box and has no tax withheld, "
                          "so the IRS does not require it. Store it anyway?")
        .arg(form)
        .arg(year);
}

} // namespace quillory
