#include "printing/CopyDrawing.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Settings.h"

#include <QSqlQuery>

namespace quillory {

QPoint CopyDrawing::copyOrigin(int copy) const
{
    const int row = perRow > 0 ? copy / perRow : 0;
    const int column = perRow > 0 ? copy % perRow : copy;
    return {column * copySize.width(), row * copySize.height()};
}

namespace {

QString drawnYears(Database &db, const QString &form)
{
    QStringList years;
    QSqlQuery q = db.exec(QStringLiteral("SELECT FirstYear, LastYear FROM CopyDrawings WHERE Form = ? "
                                         "ORDER BY FirstYear"),
                          {form});
    while (q.next())
        years << (q.value(0) == q.value(1) ? q.value(0).toString()
                                           : q.value(0).toString() + QStringLiteral(" to ") + q.value(1).toString());
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
    d.name = q.value(0).toString();
    d.year = year;
    d.copySize = QSize(q.value(1).toInt(), q.value(2).toInt());
    d.perRow = q.value(3).toInt();

    QSqlQuery items = db.exec(QStringLiteral("SELECT Kind, BoxNo, Caption, X, Y, W, H, Columns, FontSize, Bold "
                                             "FROM CopyItems WHERE Drawing = ? ORDER BY Seq"),
                              {d.name});
    while (items.next()) {
        CopyItem item;
        item.kind = items.value(0).toString().toLower();
        item.boxNo = items.value(1).toString();
        item.caption = items.value(2).toString();
        item.rect =
            QRect(items.value(3).toInt(), items.value(4).toInt(), items.value(5).toInt(), items.value(6).toInt());
        item.columns = items.value(7).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        item.fontSize = items.value(8).toDouble();
        item.bold = items.value(9).toLongLong() != 0;
        d.items.append(item);
    }
    QSqlQuery legends = db.exec(QStringLiteral("SELECT CopyNo, Slot, Text FROM CopyLegends WHERE Drawing = ? "
                                               "ORDER BY CopyNo"),
                                {d.name});
    while (legends.next()) {
        const int copy = legends.value(0).toInt();
        if (copy < 1)
            continue;
        if (d.legends.size() < copy)
            d.legends.resize(copy);
        d.legends[copy - 1].insert(legends.value(1).toString().toLower(), legends.value(2).toString());
    }
    QSqlQuery texts =
        db.exec(QStringLiteral("SELECT Text, Heading FROM CopyTexts WHERE Drawing = ? ORDER BY Seq"), {d.name});
    while (texts.next())
        d.instructions.append({texts.value(0).toString(), texts.value(1).toLongLong() != 0});
    if (d.items.isEmpty() || d.legends.isEmpty())
        throw DbError(QStringLiteral("The drawing %1 of the %2 has no boxes or no copies.").arg(d.name, shownForm));
    return d;
}

} // namespace quillory
