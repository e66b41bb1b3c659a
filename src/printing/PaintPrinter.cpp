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

QSize PageTwips(const QPageLayout &layout)
{
    const QSizeF paper = layout.fullRect(QPageLayout::Point).size() * Printer::kTwipsPerPoint;
    return {static_cast<int>(std::lround(paper.width())), static_cast<int>(std::lround(paper.height()))};
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

bool SetJobPage(QPrinter &printer, JobPaper paper, const QPageLayout &plain)
{
    QPageSize size = plain.pageSize();
    QPageLayout::Orientation orientation = plain.orientation();
    if (paper == JobPaper::Letter) {
        size = QPageSize(QPageSize::Letter);
        orientation = QPageLayout::Portrait;
    } else if (paper == JobPaper::Continuous) {
        const QSize twips = FormPaperTwips(paper);
        size = QPageSize(QSizeF(twips) / Printer::kTwipsPerPoint, QPageSize::Point,
                         QStringLiteral("Continuous form 9 1/2 x 11 in"), QPageSize::ExactMatch);
        orientation = QPageLayout::Portrait;
    }
    QPageLayout layout(size, orientation, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    const bool set = printer.setPageLayout(layout);
    printer.setFullPage(true);
    return set && printer.pageLayout().pageSize().isEquivalentTo(size);
}

void DrawTwipsLine(QPainter &painter, const QLine &line)
{
    const double scale = pixelsPerTwip(painter.device());
    QPen pen(Qt::black);
    pen.setWidthF(scale * 10); // half a point
    painter.setPen(pen);
    painter.drawLine(QPointF(line.x1() * scale, line.y1() * scale), QPointF(line.x2() * scale, line.y2() * scale));
}

void PrepareFormPrinter(QPrinter &printer)
{
    SetJobPage(printer, JobPaper::Letter, printer.pageLayout());
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
    : printer_(printer), plain_(printer.pageLayout()), metrics_(&printer),
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

QSize PaintPrinter::pageSize()
{
    return job().paper == JobPaper::Plain ? PageTwips(plain_) : FormPaperTwips(job().paper);
}

QMargins PaintPrinter::unprintableMargins()
{
    if (job().paper != JobPaper::Plain)
        return {};
    const QMarginsF points = plain_.minimumMargins();
    const auto twips = [](double p) { return static_cast<int>(std::ceil(p * Printer::kTwipsPerPoint)); };
    return {twips(points.left()), twips(points.top()), twips(points.right()), twips(points.bottom())};
}

void PaintPrinter::applyJob()
{
    if (!painter_.isActive())
        printer_.setDocName(job().name);
    if (!SetJobPage(printer_, job().paper, plain_))
        throw PrinterError(QStringLiteral("The printer '%1' does not take the paper of the job '%2'.")
                               .arg(printer_.printerName(), job().name));
}

void PaintPrinter::begin()
{
    if (painter_.isActive())
        return;
    applyJob();
    if (!painter_.begin(&printer_)) {
        if (printer_.outputFormat() == QPrinter::PdfFormat)
            throw PrinterError(QStringLiteral("The PDF file '%1' could not be written.")
                                   .arg(QDir::toNativeSeparators(printer_.outputFileName())));
        throw PrinterError(QStringLiteral("The printer '%1' could not start printing.").arg(printer_.printerName()));
    }
}

void PaintPrinter::open()
{
    if (pageEnded_) {
        pageEnded_ = false;
        applyJob(); // the next page of the file takes the next job's paper
        newPage();
    }
    begin();
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
    open();
    const QFont &face = metrics_.face(font);
    if (painter_.font() != face)
        painter_.setFont(face);
    // The position is the top of the character cell; Qt draws from the baseline.
    const double scale = pixelsPerTwip(&printer_);
    painter_.drawText(QPointF(x * scale, y * scale + metrics_.faceMetrics(font).ascent()), text);
}

void PaintPrinter::drawLineTwips(const QLine &line)
{
    open();
    DrawTwipsLine(painter_, line);
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
