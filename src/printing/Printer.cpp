#include "printing/Printer.h"

namespace quillory {

JobPaper FormPaper(const QString &formKind)
{
    return formKind.trimmed().endsWith(QLatin1String("-C"), Qt::CaseInsensitive) ? JobPaper::Continuous
                                                                                 : JobPaper::Letter;
}

QSize FormPaperTwips(JobPaper paper)
{
    switch (paper) {
    case JobPaper::Letter:
        return {12240, 15840};
    case JobPaper::Continuous:
        return {13680, 15840};
    default:
        return {};
    }
}

void Printer::print(const QString &text)
{
    if (text.isEmpty())
        return;
    draw(x_, y_, text, font_);
    drawn_ = true;
    x_ += measure(text, font_);
}

void Printer::drawLine(int x1, int y1, int x2, int y2)
{
    drawLineTwips(QLine(x1, y1, x2, y2));
    drawn_ = true;
}

void Printer::drawBox(const QRect &box)
{
    const int right = box.x() + box.width(), bottom = box.y() + box.height();
    drawLine(box.x(), box.y(), right, box.y());
    drawLine(right, box.y(), right, bottom);
    drawLine(right, bottom, box.x(), bottom);
    drawLine(box.x(), bottom, box.x(), box.y());
}

void Printer::printAtColumn(int column, const QString &text)
{
    // A fixed-pitch font is assumed: every character cell is as wide as a digit.
    const int target = margins_.left() + (column > 1 ? column - 1 : 0) * measure(QStringLiteral("0"), font_);
    if (x_ > target)
        newLine();
    x_ = target;
    print(text);
}

void Printer::newLine()
{
    const int height = lineHeight(font_);
    x_ = margins_.left();
    y_ += height;
    if (y_ + height > pageSize().height() - margins_.bottom()) {
        if (drawn_)
            newPage();
        y_ = margins_.top();
    }
}

void Printer::endDoc()
{
    if (drawn_)
        endJob();
    drawn_ = false;
    x_ = 0;
    y_ = 0;
}

} // namespace quillory
