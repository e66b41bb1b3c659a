#include "printing/CopyDrawing.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Settings.h"

#include <QSqlQuery>

namespace quillory {

TwipsPoint CopyDrawing::copyOrigin(int copy) const
{
    const int row = perRow > 0 ? copy / perRow : 0;
    const int column = perRow > 0 ? copy % perRow : copy;
    return {column * copySize.width, row * copySize.height};
}

namespace {

QString drawnYears(Database &db, const QString &form)
{
    QStringList years;
    QSqlQuery q = db.exec(QStringLiteral("SELECT FirstYear, LastYear FROM CopyDrawings WHERE Form = ? "
                                         "ORDER BY FirstYear"),
                          {form});
    while (q.next())
        years << (q.value(QStringLiteral("FirstYear")) == q.value(QStringLiteral("LastYear"))
                      ? q.value(QStringLiteral("FirstYear")).toString()
                      : q.value(QStringLiteral("FirstYear")).toString() + QStringLiteral(" to ") +
                            q.value(QStringLiteral("LastYear")).toString());
    return years.isEmpty() ? QStringLiteral("none") : years.join(QStringLiteral(", "));
}

} // namespace

CopyDrawing OpenCopyDrawing(Database &db, const QString &form, const QString &shownForm)
{
    const QString yearText = Settings::read(db).year.trimmed();
    bool ok = false;
    const int year = yearText.toInt(&ok);
    if (!ok)
        throw DbError(QStringLiteral("The tax year '%1' is not a year: set it with Options, Tax Year.").arg(yearText));
    QSqlQuery q = db.exec(QStringLiteral("SELECT Drawing, CopyWidth, CopyHeight, PerRow FROM CopyDrawings "
                                         "WHERE Form = ? AND FirstYear <= ? AND LastYear >= ? "
                                         "ORDER BY FirstYear DESC LIMIT 1"),
                          {form, year, year});
    if (!q.next())
        throw DbError(QStringLiteral("Quillory cannot draw the %1 of tax year %2 on plain paper (it draws those of: "
                                     "%3). Print onto the pre-printed forms instead.")
                          .arg(shownForm)
                          .arg(year)
                          .arg(drawnYears(db, form)));
    CopyDrawing d;
    d.name = q.value(QStringLiteral("Drawing")).toString();
    d.year = year;
    d.copySize = {Twips(q.value(QStringLiteral("CopyWidth")).toInt()),
                  Twips(q.value(QStringLiteral("CopyHeight")).toInt())};
    d.perRow = q.value(QStringLiteral("PerRow")).toInt();

    QSqlQuery items = db.exec(QStringLiteral("SELECT Kind, BoxNo, Caption, X, Y, W, H, Columns, FontSize, Bold "
                                             "FROM CopyItems WHERE Drawing = ? ORDER BY Seq"),
                              {d.name});
    while (items.next()) {
        CopyItem item;
        item.kind = items.value(QStringLiteral("Kind")).toString().toLower();
        item.boxNo = items.value(QStringLiteral("BoxNo")).toString();
        item.caption = items.value(QStringLiteral("Caption")).toString();
        item.rect = TwipsRect::of(items.value(QStringLiteral("X")).toInt(), items.value(QStringLiteral("Y")).toInt(),
                                  items.value(QStringLiteral("W")).toInt(), items.value(QStringLiteral("H")).toInt());
        item.columns = items.value(QStringLiteral("Columns")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        item.fontSize = items.value(QStringLiteral("FontSize")).toDouble();
        item.bold = items.value(QStringLiteral("Bold")).toLongLong() != 0;
        d.items.append(item);
    }
    QSqlQuery legends = db.exec(QStringLiteral("SELECT CopyNo, Slot, Text FROM CopyLegends WHERE Drawing = ? "
                                               "ORDER BY CopyNo"),
                                {d.name});
    while (legends.next()) {
        const int copy = legends.value(QStringLiteral("CopyNo")).toInt();
        if (copy < 1)
            continue;
        if (d.legends.size() < copy)
            d.legends.resize(copy);
        d.legends[copy - 1].insert(legends.value(QStringLiteral("Slot")).toString().toLower(),
                                   legends.value(QStringLiteral("Text")).toString());
    }
    QSqlQuery texts =
        db.exec(QStringLiteral("SELECT Text, Heading FROM CopyTexts WHERE Drawing = ? ORDER BY Seq"), {d.name});
    while (texts.next())
        d.instructions.append(
            {texts.value(QStringLiteral("Text")).toString(), texts.value(QStringLiteral("Heading")).toLongLong() != 0});
    if (d.items.isEmpty() || d.legends.isEmpty())
        throw DbError(QStringLiteral("The drawing %1 of the %2 has no boxes or no copies.").arg(d.name, shownForm));
    return d;
}

} // namespace quillory
