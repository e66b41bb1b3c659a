#include "printing/TestSheet.h"

#include "printing/Printer.h"
#include "printing/TwoUpRun.h"

namespace quillory {

namespace {

constexpr Twips kCharWidth(144); // 12-point Courier New
constexpr Twips kCrossArm = Twips::sixteenths(4);

// Tick lengths from the page edge: whole, half, quarter, eighth and sixteenth inches. The
// shortest still reaches past the strip that printers leave blank at the edge.
Twips tickLength(int sixteenths)
{
    if (sixteenths % 16 == 0)
        return Twips(500);
    if (sixteenths % 8 == 0)
        return Twips(430);
    if (sixteenths % 4 == 0)
        return Twips(370);
    if (sixteenths % 2 == 0)
        return Twips(330);
    return Twips(290);
}

void drawRulers(Printer &printer)
{
    const TwipsSize page = printer.pageSize();
    printer.setFont(PrinterFont{QStringLiteral("Courier New"), 8.0, false});
    const Twips edge;
    for (int n = 1; Twips::sixteenths(n) < page.width; ++n) {
        const Twips x = Twips::sixteenths(n);
        printer.drawLine(x, edge, x, tickLength(n));
        if (n % 16 == 0) {
            printer.setCurrentX(x + Twips(30));
            printer.setCurrentY(tickLength(n) - Twips(160));
            printer.print(QString::number(n / 16));
        }
    }
    for (int n = 1; Twips::sixteenths(n) < page.height; ++n) {
        const Twips y = Twips::sixteenths(n);
        printer.drawLine(edge, y, tickLength(n), y);
        if (n % 16 == 0) {
            printer.setCurrentX(tickLength(n) - Twips(100));
            printer.setCurrentY(y + Twips(20));
            printer.print(QString::number(n / 16));
        }
    }
}

} // namespace

QString TestSheetSample(const LayoutField &field)
{
    if (field.justify > 0)
        return QStringLiteral("1234.56");
    const int chars = field.fieldLength / kCharWidth;
    return chars < 3 ? QStringLiteral("X") : field.fieldName.left(chars);
}

void PrintTestSheet(Database &db, Printer &printer, const QString &paperKind, const TwoUpForm &form,
                    const FormOrigin &shownShift)
{
    const FormOrigin origin = GetFormOrigin(db, paperKind, MissingMargins::Fail, &shownShift);
    const TwoUpLayout sheet = OpenTwoUpLayout(db, form);
    printer.startJob({QStringLiteral("%1 test sheet %2").arg(form.recordName, paperKind), FormPaper(paperKind)});
    drawRulers(printer);
    SetFormFont(printer);
    for (const Twips top : {origin.top, origin.top + sheet.lowerFormOffset}) {
        printer.drawLine(origin.left - kCrossArm, top, origin.left + kCrossArm, top);
        printer.drawLine(origin.left, top - kCrossArm, origin.left, top + kCrossArm);
        for (const LayoutField &field : sheet.layout.fields()) {
            printer.drawBox(FieldBox(field, top, origin.left, printer.font().size));
            PlaceFieldText(printer, field, TestSheetSample(field), top, origin.left, field.justify > 0);
        }
    }
    EndPrintJob(printer);
}

} // namespace quillory
