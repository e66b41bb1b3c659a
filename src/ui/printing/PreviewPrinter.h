#pragma once

#include "printing/RecordingPrinter.h"

#include <functional>

class QPrinter;
class QWidget;

namespace quillory {

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
