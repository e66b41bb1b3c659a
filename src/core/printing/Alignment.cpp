#include "printing/Alignment.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "printing/NumberText.h"

#include <QSqlQuery>
#include <cmath>
#include <limits>

namespace quillory {

namespace {

QString missingRow(const QString &formName)
{
    return QStringLiteral("No current record: the database file has no print margins for the form kind '%1'.")
        .arg(formName);
}

qint64 twipsOf(const QString &label, const QString &text, AlignmentReading reading, const QLocale &locale)
{
    double sixteenths = 0;
    if (reading == AlignmentReading::LeadingNumber) {
        sixteenths = LeadingNumber(text);
    } else {
        const auto number = WholeNumber(text, locale);
        if (!number) {
            if (text.trimmed().isEmpty())
                throw AlignmentInputError(QStringLiteral("The print adjustment \"%1\" is empty. Enter 0 for no "
                                                         "adjustment, or sixteenths of an inch, for example 2 or -1.5.")
                                              .arg(label));
            throw AlignmentInputError(QStringLiteral("The print adjustment \"%1\" is not a number: \"%2\". Enter "
                                                     "sixteenths of an inch, for example 2 or -1.5.")
                                          .arg(label, text.trimmed()));
        }
        sixteenths = *number;
    }
    // The database turns the product into whole twips, halves to the even neighbour.
    const double twips = std::nearbyint(sixteenths * Twips::kPerSixteenth);
    if (!(std::fabs(twips) <= std::numeric_limits<qint16>::max()))
        throw AlignmentInputError(QStringLiteral("The print adjustment \"%1\" of %2 sixteenths of an inch is too "
                                                 "large for the page.")
                                      .arg(label, NumberToText(sixteenths).trimmed()));
    return static_cast<qint64>(twips);
}

} // namespace

std::optional<StoredMargins> ReadStoredMargins(Database &db, const QString &formName)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT TopMargin, TopMargAdjust, LeftMargin, LeftMargAdjust "
                                         "FROM PrintMargins WHERE FormName = ?"),
                          {formName});
    if (!q.next())
        return std::nullopt;
    return StoredMargins{q.value(QStringLiteral("TopMargin")), q.value(QStringLiteral("TopMargAdjust")),
                         q.value(QStringLiteral("LeftMargin")), q.value(QStringLiteral("LeftMargAdjust"))};
}

AlignmentFields LoadAlignment(Database &db, const QString &formName)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT TopMargAdjust, LeftMargAdjust FROM PrintMargins WHERE FormName = ?"),
                          {formName});
    if (!q.next())
        throw DbError(missingRow(formName));
    return {NumberToText(q.value(QStringLiteral("TopMargAdjust")).toDouble() / Twips::kPerSixteenth),
            NumberToText(q.value(QStringLiteral("LeftMargAdjust")).toDouble() / Twips::kPerSixteenth)};
}

FormOrigin ReadAlignment(const AlignmentFields &fields, AlignmentReading reading, const QLocale &locale)
{
    return {Twips(static_cast<int>(twipsOf(QStringLiteral("Down:"), fields.down, reading, locale))),
            Twips(static_cast<int>(twipsOf(QStringLiteral("Right:"), fields.right, reading, locale)))};
}

void StoreAlignment(Database &db, const QString &formName, const AlignmentFields &fields, AlignmentReading reading,
                    const QLocale &locale)
{
    const FormOrigin shift = ReadAlignment(fields, reading, locale);
    const qint64 top = shift.top.value(), left = shift.left.value();
    Transaction tx(db);
    const QSqlQuery q =
        db.exec(QStringLiteral("UPDATE PrintMargins SET TopMargAdjust = ?, LeftMargAdjust = ? WHERE FormName = ?"),
                {top, left, formName});
    if (q.numRowsAffected() < 1)
        throw DbError(missingRow(formName));
    tx.commit();
}

} // namespace quillory
