#include "printing/TestSheet.h"

#include "printing/Printer.h"
#include "printing/TwoUpRun.h"

namespace quillory {

namespace {

constexpr int kSixteenth = Printer::kTwipsPerInch / 16;
constexpr int kCharWidth = 144; // 12-point Courier New
constexpr int kCrossArm = 360;

// Tick lengths from the page edge: whole, half, quarter, eighth and sixteenth inches. The
// shortest still reaches past the strip that printers leave blank at the edge.
int tickLength(int sixteenths)
{
    if (sixteenths % 16 == 0)
        return 500;
    if (sixteenths % 8 == 0)
        return 430;
    if (sixteenths % 4 == 0)
        return 370;
    if (sixteenths % 2 == 0)
        return 330;
    return 290;
}

void drawRulers(Printer &printer)
{
    const QSize page = printer.pageSize();
    printer.setFont(PrinterFont{QStringLiteral("Courier New"), 8.0, false});
    for (int n = 1; n * kSixteenth < page.width(); ++n) {
        const int x = n * kSixteenth;
        printer.drawLine(x, 0, x, tickLength(n));
        if (n % 16 == 0) {
            printer.setCurrentX(x + 30);
            printer.setCurrentY(tickLength(n) - 160);
            printer.print(QString::number(n / 16));
        }
    }
    for (int n = 1; n * kSixteenth < page.height(); ++n) {
        const int y = n * kSixteenth;
        printer.drawLine(0, y, tickLength(n), y);
        if (n % 16 == 0) {
            printer.setCurrentX(tickLength(n) - 100);
            printer.setCurrentY(y + 20);
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
    const FieldLayout layout = OpenFieldLayout(db, form.layoutForm, 0);
    printer.startJob({QStringLiteral("%1 test sheet %2").arg(form.recordName, paperKind), FormPaper(paperKind)});
    drawRulers(printer);
    SetFormFont(printer);
    for (const int top : {origin.top, origin.top + kLowerFormOffset}) {
        printer.drawLine(origin.left - kCrossArm, top, origin.left + kCrossArm, top);
        printer.drawLine(origin.left, top - kCrossArm, origin.left, top + kCrossArm);
        for (const LayoutField &field : layout.fields()) {
            printer.drawBox(FieldBox(field, top, origin.left, printer.font().size));
            PlaceFieldText(printer, field, TestSheetSample(field), top, origin.left, field.justify > 0);
        }
    }
    EndPrintJob(printer);
}

} // namespace quillory
