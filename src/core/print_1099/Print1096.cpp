#include "print_1099/Print1096.h"

#include "data/Address.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "data/Settings.h"
#include "print_1099/Report1096.h"
#include "print_1099/Summary1096.h"
#include "printing/FormEdition.h"
#include "printing/FormLayout.h"
#include "printing/Printer.h"
#include "printing/ReportPrint.h"
#include "printing/TwoUpRun.h"

namespace quillory {

void Print1096Form(Database &db, Printer &printer, const QString &payerNumber, const QString &formType)
{
    RecordSet row = summary1096Of(db, payerNumber, formType);
    if (row.eof())
        throw DbError(
            formType.isEmpty()
                ? QStringLiteral("There is no 1096 summary for payer %1.").arg(payerNumber)
                : QStringLiteral("There is no 1096 summary of %1 returns for payer %2.").arg(formType, payerNumber));
    const FormEdition edition = ChooseEdition(db, QStringLiteral("1096"));
    const QString job = formType.isEmpty() ? QStringLiteral("1096 ") + payerNumber
                                           : QStringLiteral("1096 %1 %2").arg(formType, payerNumber);
    const OneUpForm form = PrintOneUpForm(
        printer, db, QStringLiteral("1096"), edition.layoutForm, job, row,
        [](const ColumnValue &c) {
            // The final return mark prints a capital X; the amounts are boxes 4 and 5.
            if (c.column.name == QLatin1String("FinalReturn"))
                return std::optional<PrintedValue>(
                    PrintedValue{c.value.toLongLong() != 0 ? QStringLiteral("X") : QString()});
            return std::optional<PrintedValue>(
                PrintedValue{c.text, c.column.name == QLatin1String("Box4") || c.column.name == QLatin1String("Box5")});
        },
        0, LayoutNumbers::Int16);
    // The 2026 form: the filer's address in its parts and the type of form marked in box 6.
    const AddressBoxes filer = addressBoxes({row.text(QStringLiteral("PayerL1")), row.text(QStringLiteral("PayerL2")),
                                             row.text(QStringLiteral("PayerL3"))});
    PrintDerivedValues(printer, form.layout,
                       {{QStringLiteral("PayerSuite"), filer.suite},
                        {QStringLiteral("PayerStreet"), filer.street},
                        {QStringLiteral("PayerCity"), filer.city},
                        {QStringLiteral("PayerState"), filer.state},
                        {QStringLiteral("PayerZip"), filer.zip},
                        {QStringLiteral("Type") + row.text(QStringLiteral("FormType")), QStringLiteral("X")}},
                       form.origin.top, form.origin.left);
    EndPrintJob(printer);
}

void Print1096Report(Database &db, Printer &printer, const QDate &today, const QString &formType)
{
    RecordSet rows = summaries1096(db, formType);
    StartReport(printer, formType.isEmpty() ? QStringLiteral("1096 Summary Report")
                                            : QStringLiteral("1096 %1 Summary Report").arg(formType));
    if (rows.eof())
        throw DbError(formType.isEmpty()
                          ? QStringLiteral("There are no 1096 summaries to report.")
                          : QStringLiteral("There are no 1096 summaries of %1 returns to report.").arg(formType));
    // A row without a year of its own takes the tax year of the settings.
    QString year = rows.text(QStringLiteral("Year"));
    if (year.isEmpty())
        year = Settings::yearText(db);
    PrintReportTitle(printer, report1096Title(formType.isEmpty() ? year : year + QLatin1Char(' ') + formType, today));
    for (; !rows.eof(); rows.moveNext())
        PrintReportLines(printer, report1096Block(rows));
    EndPrintJob(printer);
}

} // namespace quillory
