#include "printing/PaintPrinter.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <cmath>

namespace quillory {

namespace {

double pixelsPerTwip(const QPaintDevice *device)
{
    return device->logicalDpiY() / double(Printer::kTwipsPerInch);
}

int toTwips(double pixels, const QPaintDevice *device)
{
    return static_cast<int>(std::lround(pixels / pixelsPerTwip(device)));
}

} // namespace

int PageHeightTwips(const QPrinter &printer)
{
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    return static_cast<int>(std::lround(paper.height() * Printer::kTwipsPerPoint));
}

void DrawTwipsText(QPainter &painter, int x, int y, const QString &text, const PrinterFont &font)
{
    const QPaintDevice *device = painter.device();
    const QFont qfont = ToQFont(font);
    painter.setFont(qfont);
    const double scale = pixelsPerTwip(device);
    // The position is the top of the character cell; Qt draws from the baseline.
    const double ascent = QFontMetricsF(qfont, device).ascent();
    painter.drawText(QPointF(x * scale, y * scale + ascent), text);
}

void PrepareFormPrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

void SetPdfOutput(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

QFont ToQFont(const PrinterFont &font)
{
    QFont qfont(font.name);
    if (font.name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) {
        // Same widths as Courier New, so positions and right-aligned amounts match the forms.
        qfont.setFamilies({font.name, QStringLiteral("Liberation Mono")});
        qfont.setStyleHint(QFont::TypeWriter);
    }
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    return qfont;
}

const QFont &DeviceMetrics::face(const PrinterFont &font)
{
    if (!cachedFor_ || *cachedFor_ != font) {
        face_ = ToQFont(font);
        metrics_.emplace(face_, device_);
        cachedFor_ = font;
    }
    return face_;
}

const QFontMetricsF &DeviceMetrics::faceMetrics(const PrinterFont &font)
{
    face(font);
    return *metrics_;
}

int DeviceMetrics::width(const QString &text, const PrinterFont &font)
{
    return toTwips(faceMetrics(font).horizontalAdvance(text), device_);
}

int DeviceMetrics::lineHeight(const PrinterFont &font)
{
    return toTwips(faceMetrics(font).height(), device_);
}

PaintPrinter::PaintPrinter(QPrinter &printer)
    : printer_(printer), metrics_(&printer),
      onePerRun_(printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
{
}

PaintPrinter::~PaintPrinter()
{
    try {
        finish();
    } catch (const PrinterError &) {
        // Reported by finish() when the run calls it; nothing more to do on the way out.
    }
}

void PaintPrinter::finish()
{
    if (painter_.isActive())
        end();
    pageEnded_ = false;
}

int PaintPrinter::measure(const QString &text, const PrinterFont &font)
{
    return metrics_.width(text, font);
}

int PaintPrinter::lineHeight(const PrinterFont &font)
{
    return metrics_.lineHeight(font);
}

int PaintPrinter::pageHeight()
{
    return PageHeightTwips(printer_);
}

void PaintPrinter::begin()
{
    if (painter_.isActive())
        return;
    if (!painter_.begin(&printer_)) {
        if (printer_.outputFormat() == QPrinter::PdfFormat)
            throw PrinterError(QStringLiteral("The PDF file '%1' could not be written.")
                                   .arg(QDir::toNativeSeparators(printer_.outputFileName())));
        throw PrinterError(QStringLiteral("The printer '%1' could not start printing.").arg(printer_.printerName()));
    }
}

void PaintPrinter::end()
{
    const bool ended = painter_.end();
    if (printer_.printerState() == QPrinter::Aborted)
        throw PrinterError(QStringLiteral("The print job was cancelled."));
    if (!ended || printer_.printerState() == QPrinter::Error)
        throw PrinterError(QStringLiteral("The printer reported an error; the last sheet may not have printed."));
}

void PaintPrinter::draw(int x, int y, const QString &text, const PrinterFont &font)
{
    if (pageEnded_) {
        pageEnded_ = false;
        newPage();
    }
    begin();
    const QFont &face = metrics_.face(font);
    if (painter_.font() != face)
        painter_.setFont(face);
    // The position is the top of the character cell; Qt draws from the baseline.
    const double scale = pixelsPerTwip(&printer_);
    painter_.drawText(QPointF(x * scale, y * scale + metrics_.faceMetrics(font).ascent()), text);
}

void PaintPrinter::newPage()
{
    if (!printer_.newPage())
        throw PrinterError(QStringLiteral("The printer could not start a new page."));
}

void PaintPrinter::endJob()
{
    if (onePerRun_)
        pageEnded_ = true;
    else
        end();
}

} // namespace quillory
