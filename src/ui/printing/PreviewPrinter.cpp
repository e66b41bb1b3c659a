#include "printing/PreviewPrinter.h"

#include "printing/PaintPrinter.h"

#include <QAction>
#include <QMap>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace quillory {

PreviewPrinter::PreviewPrinter(QPrinter &printer)
    : RecordingPrinter(std::make_shared<DeviceMetrics>(&printer), PageTwips(printer.pageLayout())), printer_(printer)
{
}

void PreviewPrinter::render(QPrinter &printer, bool outlineFields) const
{
    struct Page {
        QVector<const Placed *> texts;
        QVector<TwipsRect> boxes;
        QVector<TwipsLine> lines;
    };
    QMap<QPair<int, int>, Page> pages; // by job, then page
    for (const Placed &p : placed())
        pages[{p.job, p.page}].texts.append(&p);
    for (const Line &l : lines())
        pages[{l.job, l.page}].lines.append(l.line);
    if (outlineFields) {
        for (const FieldBox &b : fieldBoxes())
            pages[{b.job, b.page}].boxes.append(b.box);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrinterError(QStringLiteral("The print preview could not be drawn."));
    TwipsPainter draw(painter, &printer);
    bool first = true;
    for (const Page &page : pages) {
        if (!first)
            printer.newPage();
        first = false;
        draw.startPage();
        for (const TwipsRect &box : page.boxes)
            draw.outline(box);
        for (const TwipsLine &line : page.lines)
            draw.line(line);
        for (const Placed *p : page.texts)
            draw.text(p->x, p->y, p->text, p->font);
    }
    painter.end();
}

int PreviewPrinter::exec(QWidget *parent, const QString &title, bool outlineFields)
{
    // A run goes out on one paper: the preview shows its pages on it.
    SetJobPage(printer_, jobSetup(1).paper, printer_.pageLayout());
    QPrintPreviewDialog dialog(&printer_, parent);
    dialog.setWindowTitle(title);
    // Printing goes through the print screen's buttons, which send each sheet as a job of its
    // own on its paper; the preview's own print and page setup would send one job on any paper.
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() == QPrintPreviewDialog::tr("Print") ||
            action->text() == QPrintPreviewDialog::tr("Page setup"))
            action->setVisible(false);
    }
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
