#pragma once

#include "printing/RecordingPrinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <optional>

class QPaintDevice;
class QPrinter;

namespace quillory {

// Sets a printer (made with QPrinter::HighResolution) up for the forms: Letter paper and the
// whole sheet as its drawing area (no margins), so that twips count from the paper's corner on
// a printer and in a PDF file alike.
void PrepareFormPrinter(QPrinter &printer);
// Makes the printer write one PDF file.
void SetPdfOutput(QPrinter &printer, const QString &path);

// The font as the printer's face: "Courier New" comes out as a metric-compatible face where
// it is not installed (Liberation Mono).
QFont ToQFont(const PrinterFont &font);

// Height of the printer's paper in twips.
int PageHeightTwips(const QPrinter &printer);

// Draws a text in twips on a painter open on a device: (x, y) is the top-left corner of the
// first character cell.
void DrawTwipsText(QPainter &painter, int x, int y, const QString &text, const PrinterFont &font);

// Widths and line heights measured at a paint device's resolution, rounded to twips. The
// face of the last font asked for is kept, as a run asks for the same one thousands of times.
class DeviceMetrics : public TextMetrics {
public:
    explicit DeviceMetrics(const QPaintDevice *device) : device_(device) {}
    int width(const QString &text, const PrinterFont &font) override;
    int lineHeight(const PrinterFont &font) override;
    // The face of a font on the device, and its metrics there.
    const QFont &face(const PrinterFont &font);
    const QFontMetricsF &faceMetrics(const PrinterFont &font);

private:
    const QPaintDevice *device_;
    std::optional<PrinterFont> cachedFor_;
    QFont face_;
    std::optional<QFontMetricsF> metrics_;
};

// Prints on a QPrinter. On a real printer each end of document is a print job of its own; a
// PDF file is one file per printer object, and each end of document starts a new page of it.
// Make it after the printer dialog, which decides between the two.
class PaintPrinter : public Printer {
public:
    explicit PaintPrinter(QPrinter &printer);
    ~PaintPrinter() override;
    PaintPrinter(const PaintPrinter &) = delete;
    PaintPrinter &operator=(const PaintPrinter &) = delete;

    // Closes the PDF file, or sends what was drawn and not yet ended. Throws PrinterError
    // when the printer reports a failure.
    void finish();

protected:
    int measure(const QString &text, const PrinterFont &font) override;
    int lineHeight(const PrinterFont &font) override;
    int pageHeight() override;
    void draw(int x, int y, const QString &text, const PrinterFont &font) override;
    void newPage() override;
    void endJob() override;

private:
    void begin();
    void end();

    QPrinter &printer_;
    DeviceMetrics metrics_;
    QPainter painter_;
    bool onePerRun_;
    bool pageEnded_ = false;
};

} // namespace quillory
