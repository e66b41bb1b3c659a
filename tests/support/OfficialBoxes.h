#pragma once

#include "printing/RecordingPrinter.h"

#include <QRect>
#include <gtest/gtest.h>

namespace quillory::test {

// A value and the fill-in field of its box on the official form, in twips from the page's
// top-left corner: the field widget's /Rect [x1 y1 x2 y2] in points, as (20 x1, 20 (792 - y2))
// to (20 x2, 20 (792 - y1)).
struct Official {
    const char *column;
    const char *text;
    QRect box;
    bool mark = false; // a check box: the mark's letter, not its whole line, must sit in it
};

inline QRect rect(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

// Whether a printed text lies in its box: its whole line (12 points high) inside the field,
// or for a mark its character cell across and its capital letter (0.18 to 0.83 em below the
// line's top in the forms' face) down.
inline bool inside(RecordingPrinter &printer, const RecordingPrinter::Placed &p, const QRect &box, bool mark)
{
    const int width = printer.textWidth(p.text).value();
    if (mark)
        return QRect(p.x.value(), p.y.value() + 42, width, 158).intersected(box) ==
               QRect(p.x.value(), p.y.value() + 42, width, 158);
    return box.contains(QRect(p.x.value(), p.y.value(), width, 240));
}

// Each value once in its box on each form of the sheet, and nothing printed besides.
inline void expectOnOfficialBoxes(RecordingPrinter &printer, const Official *begin, const Official *end, int forms,
                                  int pitch)
{
    int expected = 0;
    for (const Official *o = begin; o != end; ++o) {
        for (int form = 0; form < forms; ++form) {
            int hits = 0;
            for (const auto &p : printer.placed())
                hits +=
                    p.text == QLatin1String(o->text) && inside(printer, p, o->box.translated(0, form * pitch), o->mark);
            EXPECT_EQ(hits, 1) << o->column << " on form " << form + 1;
            ++expected;
        }
    }
    int printed = 0;
    for (const auto &p : printer.placed())
        printed += !p.text.trimmed().isEmpty();
    EXPECT_EQ(printed, expected) << "a value printed outside the boxes of the form";
}

} // namespace quillory::test
