#include "printing/QtPrinter.h"

#include <QDir>
#include <QFontMetricsF>
#include <QMap>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
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

int pageHeightTwips(const QPrinter &printer)
{
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    return static_cast<int>(std::lround(paper.height() * Printer::kTwipsPerPoint));
}

// Draws in twips on a painter that is open on a device.
void drawText(QPainter &painter, int x, int y, const QString &text, const PrinterFont &font)
{
    const QPaintDevice *device = painter.device();
    const QFont qfont = ToQFont(font);
    painter.setFont(qfont);
    const double scale = pixelsPerTwip(device);
    // The position is the top of the character cell; Qt draws from the baseline.
    const double ascent = QFontMetricsF(qfont, device).ascent();
    painter.drawText(QPointF(x * scale, y * scale + ascent), text);
}

void drawOutline(QPainter &painter, const QRect &box)
{
    const double scale = pixelsPerTwip(painter.device());
    painter.save();
    QPen pen(QColor(40, 110, 220, 110));
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(QColor(40, 110, 220, 18));
    painter.drawRect(QRectF(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale));
    painter.restore();
}

} // namespace

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

int DeviceMetrics::width(const QString &text, const PrinterFont &font)
{
    return toTwips(QFontMetricsF(ToQFont(font), device_).horizontalAdvance(text), device_);
}

int DeviceMetrics::lineHeight(const PrinterFont &font)
{
    return toTwips(QFontMetricsF(ToQFont(font), device_).height(), device_);
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
    return pageHeightTwips(printer_);
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
    drawText(painter_, x, y, text, font);
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

PreviewPrinter::PreviewPrinter(QPrinter &printer)
    : RecordingPrinter(std::make_shared<DeviceMetrics>(&printer), pageHeightTwips(printer)), printer_(printer)
{
}

void PreviewPrinter::render(QPrinter &printer, bool outlineFields) const
{
    struct Page {
        QVector<const Placed *> texts;
        QVector<QRect> boxes;
    };
    QMap<QPair<int, int>, Page> pages; // by job, then page
    for (const Placed &p : placed())
        pages[{p.job, p.page}].texts.append(&p);
    if (outlineFields) {
        for (const FieldBox &b : fieldBoxes())
            pages[{b.job, b.page}].boxes.append(b.box);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrinterError(QStringLiteral("The print preview could not be drawn."));
    bool first = true;
    for (const Page &page : pages) {
        if (!first)
            printer.newPage();
        first = false;
        for (const QRect &box : page.boxes)
            drawOutline(painter, box);
        for (const Placed *p : page.texts)
            drawText(painter, p->x, p->y, p->text, p->font);
    }
    painter.end();
}

int PreviewPrinter::exec(QWidget *parent, const QString &title, bool outlineFields)
{
    QPrintPreviewDialog dialog(&printer_, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, outlineFields](QPrinter *p) {
        // The preview draws through a picture engine; paper printed from the dialog gets no outlines.
        const bool onScreen = p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Picture;
        render(*p, outlineFields && onScreen);
    });
    return dialog.exec();
}

int ShowPrintPreview(QWidget *parent, const QString &title, bool outlineFields,
                     const std::function<void(Printer &)> &run)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareFormPrinter(printer);
    PreviewPrinter preview(printer);
    run(preview);
    return preview.exec(parent, title, outlineFields);
}

} // namespace quillory
