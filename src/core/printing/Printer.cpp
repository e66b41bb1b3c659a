#include "printing/Printer.h"

namespace quillory {

JobPaper FormPaper(const QString &formKind)
{
    return formKind.trimmed().endsWith(QLatin1String("-C"), Qt::CaseInsensitive) ? JobPaper::Continuous
                                                                                 : JobPaper::Letter;
}

TwipsSize FormPaperTwips(JobPaper paper)
{
    switch (paper) {
    case JobPaper::Letter: // 8 1/2 x 11 in
        return {Twips::sixteenths(136), Twips::inches(11)};
    case JobPaper::Continuous: // 9 1/2 x 11 in
        return {Twips::sixteenths(152), Twips::inches(11)};
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

void Printer::drawLine(Twips x1, Twips y1, Twips x2, Twips y2)
{
    drawLineTwips({{x1, y1}, {x2, y2}});
    drawn_ = true;
}

void Printer::drawBox(const TwipsRect &box)
{
    const Twips left = box.left, top = box.top, right = box.right(), bottom = box.bottom();
    drawLine(left, top, right, top);
    drawLine(right, top, right, bottom);
    drawLine(right, bottom, left, bottom);
    drawLine(left, bottom, left, top);
}

void Printer::printAtColumn(int column, const QString &text)
{
    // A fixed-pitch font is assumed: every character cell is as wide as a digit.
    const Twips target = margins_.left + (column > 1 ? column - 1 : 0) * measure(QStringLiteral("0"), font_);
    if (x_ > target)
        newLine();
    x_ = target;
    print(text);
}

void Printer::newLine()
{
    const Twips height = lineHeight(font_);
    x_ = margins_.left;
    y_ += height;
    if (y_ + height > pageSize().height - margins_.bottom) {
        if (drawn_)
            newPage();
        y_ = margins_.top;
    }
}

void Printer::pageBreak()
{
    if (drawn_)
        newPage();
    x_ = Twips();
    y_ = Twips();
}

void Printer::endDoc()
{
    if (drawn_)
        endJob();
    drawn_ = false;
    x_ = Twips();
    y_ = Twips();
}

} // namespace quillory
