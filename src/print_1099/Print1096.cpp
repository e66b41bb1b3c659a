#include "print_1099/Print1096.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "print_1099/Report1096.h"
#include "printing/FormLayout.h"
#include "printing/Printer.h"
#include "printing/ReportPrint.h"

namespace quillory {

namespace {

// Positions in the 1096 table's column order that print specially.
constexpr int kBox4 = 12;
constexpr int kBox5 = 13;
constexpr int kMark = 14;

} // namespace

void Print1096Form(Database &db, Printer &printer, const QString &payerNumber)
{
    const QString byColumn =
        payerNumber.count(QLatin1Char('-')) >= 2 ? QStringLiteral("Box2 = ?") : QStringLiteral("Box1 = ?");
    RecordSet row = RecordSet::table(db, QStringLiteral("1096"), byColumn, {payerNumber});
    if (row.eof())
        throw DbError(QStringLiteral("There is no 1096 summary for payer %1.").arg(payerNumber));
    const FormOrigin origin = GetFormOrigin(db, QStringLiteral("1096"), MissingMargins::UseZero);
    const FieldLayout layout = OpenFieldLayout(db, QStringLiteral("1096"), 0);
    printer.startJob({QStringLiteral("1096 ") + payerNumber, FormPaper(QStringLiteral("1096"))});
    SetFormFont(printer);
    PrintRowOnForm(printer, row, layout, origin.top, origin.left, [](const ColumnValue &c) {
        if (c.index == kMark)
            return std::optional<PrintedValue>(
                PrintedValue{c.value.toLongLong() != 0 ? QStringLiteral("X") : QString()});
        return std::optional<PrintedValue>(PrintedValue{c.text, c.index == kBox4 || c.index == kBox5});
    });
    EndPrintJob(printer);
}

void Print1096Report(Database &db, Printer &printer, const QDate &today)
{
    RecordSet rows = RecordSet::table(db, QStringLiteral("1096"));
    StartReport(printer, QStringLiteral("1096 Summary Report"));
    if (rows.eof())
        throw DbError(QStringLiteral("There are no 1096 summaries to report."));
    // A row without a year of its own takes the tax year of the settings.
    QString year = rows.text(QStringLiteral("Year"));
    if (year.isEmpty())
        year = db.scalar(QStringLiteral("SELECT Year FROM Settings")).toString();
    PrintReportTitle(printer, report1096Title(year, today));
    for (; !rows.eof(); rows.moveNext())
        PrintReportLines(printer, report1096Block(rows));
    EndPrintJob(printer);
}

} // namespace quillory
