#include "printing/Printer.h"

namespace quillory {

void Printer::print(const QString &text)
{
    if (text.isEmpty())
        return;
    draw(x_, y_, text, font_);
    drawn_ = true;
    x_ += measure(text, font_);
}

void Printer::printAtColumn(int column, const QString &text)
{
    // A fixed-pitch font is assumed: every character cell is as wide as a digit.
    const int target = (column > 1 ? column - 1 : 0) * measure(QStringLiteral("0"), font_);
    if (x_ > target)
        newLine();
    x_ = target;
    print(text);
}

void Printer::newLine()
{
    const int height = lineHeight(font_);
    x_ = 0;
    y_ += height;
    if (y_ + height > pageHeight()) {
        if (drawn_)
            newPage();
        y_ = 0;
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
