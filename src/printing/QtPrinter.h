#pragma once

#include "printing/RecordingPrinter.h"

#include <QFont>
#include <QPainter>
#include <functional>

class QPaintDevice;
class QPrinter;
class QWidget;

namespace quillory {

// Sets a printer up for the forms: high resolution, Letter paper, and the whole sheet as its
// drawing area (no margins), so that twips count from the paper's corner on a printer and in
// a PDF file alike.
void PrepareFormPrinter(QPrinter &printer);
// Makes the printer write one PDF file.
void SetPdfOutput(QPrinter &printer, const QString &path);

// The font as the printer's face: "Courier New" comes out as a metric-compatible face where
// it is not installed (Liberation Mono).
QFont ToQFont(const PrinterFont &font);

// Widths and line heights measured at a paint device's resolution, rounded to twips.
class DeviceMetrics : public TextMetrics {
public:
    explicit DeviceMetrics(const QPaintDevice *device) : device_(device) {}
    int width(const QString &text, const PrinterFont &font) override;
    int lineHeight(const PrinterFont &font) override;

private:
    const QPaintDevice *device_;
};

// Prints on a QPrinter. On a real printer each end of document is a print job of its own; a
// PDF file is one file per printer object, and each end of document starts a new page of it.
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

// Keeps a run as it would print, measured at the printer's resolution, and shows it in a
// print preview: each sheet (print job) and each page a page of its own.
class PreviewPrinter : public RecordingPrinter {
public:
    explicit PreviewPrinter(QPrinter &printer);

    // Draws what was kept onto a printer, optionally with faint outlines of the field boxes.
    void render(QPrinter &printer, bool outlineFields) const;
    // Shows the preview dialog; outlines appear on screen only, never on paper printed from it.
    int exec(QWidget *parent, const QString &title, bool outlineFields);

private:
    QPrinter &printer_;
};

// What a print screen's "Preview" button does: runs the print run into a preview on a form
// printer and shows it. Whatever the run throws reaches the caller; nothing is shown then.
int ShowPrintPreview(QWidget *parent, const QString &title, bool outlineFields,
                     const std::function<void(Printer &)> &run);

} // namespace quillory
