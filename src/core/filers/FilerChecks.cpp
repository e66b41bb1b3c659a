#include "filers/FilerChecks.h"

#include "data/Database.h"
#include "data/ReturnTable.h"
#include "data/W2Table.h"

namespace quillory {

IdNumberForm idNumberForm(const QString &text)
{
    if (text.isEmpty())
        return IdNumberForm::Unchecked;
    switch (text.count(QLatin1Char('-'))) {
    case 0:
        return IdNumberForm::Malformed;
    case 1:
        return IdNumberForm::Fein;
    case 2:
        return IdNumberForm::Ssn;
    default:
        return IdNumberForm::Unchecked;
    }
}

QStringList missingFilerEntries(const FilerEntries &e)
{
    auto blank = [](const QString &s) { return s.trimmed().isEmpty(); };
    QStringList lines;
    if (blank(e.payerName))
        lines << QStringLiteral("     Company name");
    if (blank(e.payerL1))
        lines << QStringLiteral("     Company address");
    if (blank(e.payerL2))
        lines << QStringLiteral("     Company city, state, or zip");
    if (blank(e.state1Id) && !blank(e.state1))
        lines << QStringLiteral("     Missing 1st state taxpayer ID No.");
    if (blank(e.state2Id) && !blank(e.state2))
        lines << QStringLiteral("     Missing 2nd state taxpayer ID No.");
    if (blank(e.state1) && !blank(e.state1Id))
        lines << QStringLiteral("     1st state code missing");
    if (blank(e.state2) && !blank(e.state2Id))
        lines << QStringLiteral("     2nd state code missing");
    return lines;
}

QString missingEntriesMessage(const QStringList &lines)
{
    QString text = QStringLiteral("The following entries have not been made:\r\r");
    for (const QString &line : lines)
        text += line + QLatin1Char('\r');
    return text + QStringLiteral("\rSelect Edit to enter missing information.");
}

bool isStateAbbreviation(Database &db, const QString &code)
{
    return db.scalar(QStringLiteral("SELECT 1 FROM lstStates WHERE STabbrv = ?"), {code}).isValid();
}

bool filerHasReturns(Database &db, const QString &fedIdNo)
{
    return w2Table::anyOfEmployer(db, fedIdNo) || returnTable::anyOfPayer(db, fedIdNo);
}

} // namespace quillory
