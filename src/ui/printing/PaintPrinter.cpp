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
    return Twips::pixelsPerTwip(device->logicalDpiY());
}

} // namespace

TwipsSize PageTwips(const QPageLayout &layout)
{
    const QSizeF paper = layout.fullRect(QPageLayout::Point).size();
    return {Twips::points(paper.width()), Twips::points(paper.height())};
}

bool SetJobPage(QPrinter &printer, JobPaper paper, const QPageLayout &plain)
{
    QPageSize size = plain.pageSize();
    QPageLayout::Orientation orientation = plain.orientation();
    if (paper == JobPaper::Letter) {
        size = QPageSize(QPageSize::Letter);
        orientation = QPageLayout::Portrait;
    } else if (paper == JobPaper::Continuous) {
        const TwipsSize twips = FormPaperTwips(paper);
        size = QPageSize(QSizeF(twips.width.toPoints(), twips.height.toPoints()), QPageSize::Point,
                         QStringLiteral("Continuous form 9 1/2 x 11 in"), QPageSize::ExactMatch);
        orientation = QPageLayout::Portrait;
    }
    QPageLayout layout(size, orientation, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    const bool set = printer.setPageLayout(layout);
    printer.setFullPage(true);
    return set && printer.pageLayout().pageSize().isEquivalentTo(size);
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
        // The painter's scale to twips shrinks the face too: it is sized up by as much, so that
        // it comes out at its own size and its metrics read in twips.
        PrinterFont scaled = font;
        scaled.size = font.size / pixelsPerTwip(device_);
        face_ = ToQFont(scaled);
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

Twips DeviceMetrics::width(const QString &text, const PrinterFont &font)
{
    return Twips(static_cast<int>(std::lround(faceMetrics(font).horizontalAdvance(text))));
}

Twips DeviceMetrics::lineHeight(const PrinterFont &font)
{
    return Twips(static_cast<int>(std::lround(faceMetrics(font).height())));
}

TwipsPainter::TwipsPainter(QPainter &painter, const QPaintDevice *device) : painter_(painter), metrics_(device) {}

void TwipsPainter::startPage()
{
    const double scale = pixelsPerTwip(painter_.device());
    painter_.resetTransform();
    painter_.scale(scale, scale);
}

void TwipsPainter::text(Twips x, Twips y, const QString &text, const PrinterFont &font)
{
    const QFont &face = metrics_.face(font);
    if (painter_.font() != face)
        painter_.setFont(face);
    // The position is the top of the character cell; Qt draws from the baseline.
    painter_.drawText(QPointF(x.value(), y.value() + metrics_.faceMetrics(font).ascent()), text);
}

void TwipsPainter::line(const TwipsLine &line)
{
    QPen pen(Qt::black);
    pen.setWidth(Twips::kPerPoint / 2);
    painter_.setPen(pen);
    // The painter is scaled to twips: one unit is one twip.
    painter_.drawLine(line.from.x.value(), line.from.y.value(), line.to.x.value(), line.to.y.value());
}

void TwipsPainter::outline(const TwipsRect &box)
{
    painter_.save();
    QPen pen(QColor(40, 110, 220, 110));
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.setBrush(QColor(40, 110, 220, 18));
    painter_.drawRect(box.left.value(), box.top.value(), box.width.value(), box.height.value());
    painter_.restore();
}

PaintPrinter::PaintPrinter(QPrinter &printer)
    : printer_(printer), plain_(printer.pageLayout()), page_(painter_, &printer),
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

Twips PaintPrinter::measure(const QString &text, const PrinterFont &font)
{
    return page_.metrics().width(text, font);
}

Twips PaintPrinter::lineHeight(const PrinterFont &font)
{
    return page_.metrics().lineHeight(font);
}

TwipsSize PaintPrinter::pageSize()
{
    return job().paper == JobPaper::Plain ? PageTwips(plain_) : FormPaperTwips(job().paper);
}

TwipsMargins PaintPrinter::unprintableMargins()
{
    if (job().paper != JobPaper::Plain)
        return {};
    const QMarginsF points = plain_.minimumMargins();
    const auto twips = [](double p) { return Twips(static_cast<int>(std::ceil(p * Twips::kPerPoint))); };
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
    page_.startPage();
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

void PaintPrinter::draw(Twips x, Twips y, const QString &text, const PrinterFont &font)
{
    open();
    page_.text(x, y, text, font);
}

void PaintPrinter::drawLineTwips(const TwipsLine &line)
{
    open();
    page_.line(line);
}

void PaintPrinter::newPage()
{
    if (!printer_.newPage())
        throw PrinterError(QStringLiteral("The printer could not start a new page."));
    page_.startPage();
}

void PaintPrinter::endJob()
{
    if (onePerRun_)
        pageEnded_ = true;
    else
        end();
}

} // namespace quillory
