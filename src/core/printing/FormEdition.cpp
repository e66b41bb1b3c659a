#include "printing/FormEdition.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Settings.h"

#include <QSqlQuery>

namespace quillory {

namespace {

// "W2" as the forms name themselves: "W-2"; "1099-NEC" and "1096" as they are.
QString shownName(const QString &form)
{
    if (form.contains(QLatin1Char('-')) || form.front().isDigit())
        return form;
    return form.left(1) + QLatin1Char('-') + form.mid(1);
}

// The years the editions of a form print: "2001 to 2024, 2026 and later".
QString printableYears(Database &db, const QString &form)
{
    QStringList spans;
    QSqlQuery q = db.exec(QStringLiteral("SELECT FirstYear, LastYear FROM FormEditions WHERE Form = ? "
                                         "ORDER BY FirstYear"),
                          {form});
    while (q.next()) {
        const QString first = q.value(QStringLiteral("FirstYear")).toString();
        if (q.value(QStringLiteral("LastYear")).isNull())
            spans << first + QStringLiteral(" and later");
        else if (q.value(QStringLiteral("LastYear")).toInt() == q.value(QStringLiteral("FirstYear")).toInt())
            spans << first;
        else
            spans << first + QStringLiteral(" to ") + q.value(QStringLiteral("LastYear")).toString();
    }
    return spans.isEmpty() ? QStringLiteral("none") : spans.join(QStringLiteral(", "));
}

} // namespace

FormEdition ChooseEdition(Database &db, const QString &form)
{
    const QString yearText = Settings::read(db).year.trimmed();
    bool ok = false;
    const int year = yearText.toInt(&ok);
    if (!ok)
        throw DbError(QStringLiteral("The tax year '%1' is not a year: set it with Options, Tax Year.").arg(yearText));
    QSqlQuery q = db.exec(QStringLiteral("SELECT FormName, LowerFormOffset, DeferralCodes FROM FormEditions "
                                         "WHERE Form = ? AND FirstYear <= ? AND (LastYear IS NULL OR LastYear >= ?) "
                                         "ORDER BY FirstYear DESC LIMIT 1"),
                          {form, year, year});
    if (!q.next())
        throw DbError(QStringLiteral("Quillory has no %1 form for tax year %2; it has the %1 of tax years %3.")
                          .arg(shownName(form))
                          .arg(year)
                          .arg(printableYears(db, form)));
    FormEdition edition;
    edition.form = form;
    edition.year = year;
    edition.layoutForm = q.value(QStringLiteral("FormName")).toString();
    edition.lowerFormOffset = Twips(q.value(QStringLiteral("LowerFormOffset")).toInt());
    edition.deferralCodes =
        q.value(QStringLiteral("DeferralCodes")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return edition;
}

} // namespace quillory
