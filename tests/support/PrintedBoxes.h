#pragma once

#include "data/Database.h"
#include "printing/FormLayout.h"
#include "printing/RecordingPrinter.h"

#include <functional>
#include <gtest/gtest.h>

namespace quillory::test {

// The text was printed in the field's own box: at its line, from its left edge, or (an amount)
// ending at its right edge. Form fonts are 10 characters to the inch.
inline void expectInBox(const RecordingPrinter &printer, const FieldLayout &layout, const QString &field,
                        const QString &text, bool amount, Twips top = Twips(0), Twips left = Twips(0))
{
    const LayoutField *box = layout.find(field);
    ASSERT_TRUE(box) << field.toStdString();
    const Twips x = left + (amount ? box->xPos1 + box->fieldLength - Twips(144) * int(text.size()) : box->xPos1);
    for (const auto &p : printer.placed())
        if (p.text == text && p.x == x && p.y == top + box->yPos1)
            return;
    ADD_FAILURE() << "\"" << text.toStdString() << "\" is not printed in " << field.toStdString();
}

// Each yes/no column of the table, set alone, prints "x" in its own box and a blank in the box
// of every other one. A column the shipped layout leaves out gets a box of its own first.
inline void expectEveryMarkInItsBox(Database &db, const QString &table, const QString &layoutForm,
                                    const QString &paperKind,
                                    const std::function<void(RecordingPrinter &, const QString &set)> &printWith)
{
    QStringList flags;
    for (const ColumnInfo &c : db.table(table).columns())
        if (c.kind == ColumnKind::Flag)
            flags << c.name;
    int spare = 0;
    for (const QString &flag : flags)
        if (!OpenFieldLayout(db, layoutForm, 0).find(flag))
            db.exec(QStringLiteral("INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength) "
                                   "VALUES (?, 0, ?, ?, 7200, 288)"),
                    {layoutForm, flag, 763 + 720 * spare++});
    const FieldLayout layout = OpenFieldLayout(db, layoutForm, 0);
    const FormOrigin origin = GetFormOrigin(db, paperKind);
    for (const QString &set : flags) {
        SCOPED_TRACE(set.toStdString() + " set");
        RecordingPrinter printer;
        printWith(printer, set);
        for (const QString &flag : flags)
            expectInBox(printer, layout, flag, flag == set ? "x" : " ", false, origin.top, origin.left);
    }
}

} // namespace quillory::test
