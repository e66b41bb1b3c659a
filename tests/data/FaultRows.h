#pragma once

#include "data/Money.h"
#include "data/RecordSet.h"

#include <QString>

// The rows the fault helper writes, numbered n = 1, 2, ...: every value follows from n, so
// that a row read back after a kill shows whether it was stored whole.
namespace quillory::test {

inline QString faultSsn(qlonglong n)
{
    return QStringLiteral("%1-%2-%3")
        .arg(100 + n % 800, 3, 10, QLatin1Char('0'))
        .arg(n % 97, 2, 10, QLatin1Char('0'))
        .arg(n % 9973, 4, 10, QLatin1Char('0'));
}
inline QString faultName(qlonglong n)
{
    return QStringLiteral("O'WRITER %1").arg(n);
}
inline Money faultAmount(qlonglong n)
{
    return Money::fromCents(n * 10007);
}
inline Money editedAmount(qlonglong n)
{
    return Money::fromCents(n * 7);
}

inline void setW2Row(RecordSet &rs, qlonglong n)
{
    rs.setText(QStringLiteral("Boxa"), QString::number(n));
    rs.setText(QStringLiteral("Boxd"), faultSsn(n));
    rs.setText(QStringLiteral("Boxe_LName"), faultName(n));
    rs.setMoney(QStringLiteral("Box1"), faultAmount(n));
    rs.setValue(QStringLiteral("Tfid"), 1);
}

inline void setMiscRow(RecordSet &rs, qlonglong n)
{
    rs.setText(QStringLiteral("AcctNo"), QString::number(n));
    rs.setText(QStringLiteral("RecIDNo"), faultSsn(n));
    rs.setText(QStringLiteral("RecName1"), faultName(n));
    rs.setMoney(QStringLiteral("Box7"), faultAmount(n));
    rs.setValue(QStringLiteral("Tfid"), 2);
}

} // namespace quillory::test
