#include "data/TaxYears.h"

#include "data/Database.h"
#include "data/RecordSet.h"

namespace quillory {

const Box12Code *W2YearForm::find(const QString &code) const
{
    for (const Box12Code &c : box12Codes)
        if (c.code == code)
            return &c;
    return nullptr;
}

QVector<Settings> knownTaxYears(Database &db)
{
    QVector<Settings> years;
    RecordSet rs = RecordSet::table(db, QStringLiteral("TaxYears"), {}, {}, QStringLiteral("Year"));
    for (; !rs.eof(); rs.moveNext()) {
        Settings s;
        s.year = rs.text(QStringLiteral("Year"));
        s.ssWages = rs.money(QStringLiteral("SSwages"));
        s.ssTaxMax = rs.money(QStringLiteral("SSTaxMax"));
        s.ssTaxPct = rs.value(QStringLiteral("SSTaxPct")).toDouble();
        s.mdTaxPct = rs.value(QStringLiteral("MDtaxPct")).toDouble();
        s.eicMax = rs.money(QStringLiteral("EICMax"));
        s.w2box12 = rs.money(QStringLiteral("W2box12"));
        years.append(s);
    }
    return years;
}

W2YearForm w2YearForm(Database &db, const QString &year)
{
    W2YearForm form;
    form.year = year;
    // Years compare as numbers of four digits; a year Quillory does not know takes the boxes of
    // the last one before it that it knows.
    RecordSet known = RecordSet::query(db,
                                       QStringLiteral("SELECT Year, Box9Caption, Box14b, SsnInBoxA FROM TaxYears "
                                                      "WHERE CAST(Year AS INTEGER) <= CAST(? AS INTEGER) "
                                                      "ORDER BY CAST(Year AS INTEGER) DESC LIMIT 1"),
                                       {year.trimmed()});
    if (known.eof())
        return form;
    form.box9Caption = known.text(QStringLiteral("Box9Caption"));
    form.box14b = known.flag(QStringLiteral("Box14b"));
    form.ssnInBoxA = known.flag(QStringLiteral("SsnInBoxA"));
    RecordSet codes = RecordSet::query(db,
                                       QStringLiteral("SELECT Code, Deferral, Caption FROM TaxYearBox12Codes "
                                                      "WHERE Year = ? ORDER BY length(Code), Code"),
                                       {known.value(QStringLiteral("Year"))});
    for (; !codes.eof(); codes.moveNext())
        form.box12Codes.append({codes.text(QStringLiteral("Code")).toUpper(), codes.flag(QStringLiteral("Deferral")),
                                codes.text(QStringLiteral("Caption"))});
    return form;
}

W2YearForm w2YearFormOfSettings(Database &db)
{
    const QString year = Settings::yearText(db);
    if (year.isNull())
        return W2YearForm{};
    return w2YearForm(db, year);
}

} // namespace quillory
