#pragma once

#include "printing/RecordingPrinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <optional>

class QPaintDevice;
class QPrinter;

namespace quillory {

// Sets a printer (made with QPrinter::HighResolution) up for a job on its paper: the form's page
// or, for plain paper, the page given; the whole sheet is the drawing area (no margins), so that
// twips count from the paper's corner on a printer and in a PDF file alike. Returns false when
// the printer refuses the page.
bool SetJobPage(QPrinter &printer, JobPaper paper, const QPageLayout &plain);
// Sets a printer up for the form runs before the printer dialog shows: Letter, whole sheet.
void PrepareFormPrinter(QPrinter &printer);
// Makes the printer write one PDF file.
void SetPdfOutput(QPrinter &printer, const QString &path);

// The font as the printer's face: "Courier New" comes out as a metric-compatible face where
// it is not installed (Liberation Mono).
QFont ToQFont(const PrinterFont &font);

// Size of a page layout's paper in twips.
TwipsSize PageTwips(const QPageLayout &layout);

// Widths and line heights measured at a paint device's resolution, rounded to twips. The
// face of the last font asked for is kept, as a run asks for the same one thousands of times.
class DeviceMetrics : public TextMetrics {
public:
    explicit DeviceMetrics(const QPaintDevice *device) : device_(device) {}
    Twips width(const QString &text, const PrinterFont &font) override;
    Twips lineHeight(const PrinterFont &font) override;
    // The face of a font sized for a painter that draws in twips on the device, and its
    // metrics there, in twips.
    const QFont &face(const PrinterFont &font);
    const QFontMetricsF &faceMetrics(const PrinterFont &font);

private:
    const QPaintDevice *device_;
    std::optional<PrinterFont> cachedFor_;
    QFont face_;
    std::optional<QFontMetricsF> metrics_;
};

// Draws on a painter open on a device in twips from the top-left corner of the page: the
// painter is scaled once per page, and each face is sized for that scale. Paper, the preview
// and PDF files all draw through it.
class TwipsPainter {
public:
    TwipsPainter(QPainter &painter, const QPaintDevice *device);

    // Call at the start of every page, after the painter has begun or the device moved on.
    void startPage();
    // (x, y) is the top-left corner of the first character cell.
    void text(Twips x, Twips y, const QString &text, const PrinterFont &font);
    // A thin line.
    void line(const TwipsLine &line);
    // A faint outline of a field's box, as the preview shows it.
    void outline(const TwipsRect &box);
    DeviceMetrics &metrics() { return metrics_; }

private:
    QPainter &painter_;
    DeviceMetrics metrics_;
};

// Prints on a QPrinter. On a real printer each end of document is a print job of its own, sent
// under the job's name on the job's paper; a PDF file is one file per printer object, and each
// end of document starts a new page of it. Make it after the printer dialog, which decides
// between the two and whose page is the plain paper.
class PaintPrinter : public Printer {
public:
    explicit PaintPrinter(QPrinter &printer);
    ~PaintPrinter() override;
    PaintPrinter(const PaintPrinter &) = delete;
    PaintPrinter &operator=(const PaintPrinter &) = delete;

    // Closes the PDF file, or sends what was drawn and not yet ended. Throws PrinterError
    // when the printer reports a failure.
    void finish();

    TwipsSize pageSize() override;
    TwipsMargins unprintableMargins() override;

protected:
    Twips measure(const QString &text, const PrinterFont &font) override;
    Twips lineHeight(const PrinterFont &font) override;
    void draw(Twips x, Twips y, const QString &text, const PrinterFont &font) override;
    void drawLineTwips(const TwipsLine &line) override;
    void newPage() override;
    void endJob() override;

private:
    void begin();
    void open();
    void end();
    void applyJob();

    QPrinter &printer_;
    QPageLayout plain_;
    QPainter painter_;
    TwipsPainter page_;
    bool onePerRun_;
    bool pageEnded_ = false;
};

} // namespace quillory
