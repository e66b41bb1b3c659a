#include "printing/CopySheets.h"

#include "data/DbError.h"
#include "data/RecordSet.h"
#include "printing/FormLayout.h"
#include "printing/Printer.h"

#include <algorithm>

namespace quillory {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const PrinterFont kCaptionFont{kSans, 5.0, false};
// Values in the forms' fixed-pitch face, made smaller where a long one would leave its box.
constexpr double kValuePoints = 8.0;
constexpr double kSmallestValuePoints = 4.5;
const PrinterFont kInstructionFont{kSans, 6.5, false};
const PrinterFont kHeadingFont{kSans, 8.0, true};
constexpr Twips kPad(40);         // between a box's border and what is in it
constexpr Twips kDash(144);       // cut lines: 1/10 in dashes and gaps
constexpr Twips kPageMargin(540); // instructions pages: 3/8 in
constexpr int kColumns = 3;
constexpr Twips kColumnGap(288);
constexpr Twips kMostMarkSide(110); // a check box's square

// Breaks the text into lines no wider than the width; a word wider than it keeps a line of its own.
QStringList wrap(Printer &printer, const QString &text, Twips width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && printer.textWidth(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

void printAt(Printer &printer, TwipsPoint at, const QString &text)
{
    printer.setCurrentX(at.x);
    printer.setCurrentY(at.y);
    printer.print(text);
}

// Prints the text wrapped within the width from a point; returns the y below its last line.
Twips printWrapped(Printer &printer, const PrinterFont &font, const QString &text, TwipsPoint at, Twips width)
{
    printer.setFont(font);
    const Twips height = printer.textHeight();
    for (const QString &line : wrap(printer, text, width)) {
        printAt(printer, at, line);
        at.y += height;
    }
    return at.y;
}

// The fixed-pitch face at the largest size, up to the usual one, that fits the text in the width.
PrinterFont fittingFont(Printer &printer, const QString &text, Twips width)
{
    PrinterFont font;
    font.size = kValuePoints;
    printer.setFont(font);
    while (font.size > kSmallestValuePoints && printer.textWidth(text) > width) {
        font.size -= 0.5;
        printer.setFont(font);
    }
    return font;
}

QVariant columnValue(const CopyForm &form, const RecordSet &row, const QString &column)
{
    const QVariant own = form.value ? form.value(row, column) : QVariant();
    return own.isValid() ? own : row.value(column);
}

QString valueText(const CopyForm &form, const CopyItem &item, const RecordSet &row, const QString &column)
{
    // Columns joined by "+" share a line: a state line's state and the payer's number there.
    if (column.contains(QLatin1Char('+'))) {
        QStringList parts;
        for (const QString &part : column.split(QLatin1Char('+'), Qt::SkipEmptyParts))
            parts << valueText(form, item, row, part);
        return parts.join(QStringLiteral("  ")).trimmed();
    }
    const QVariant value = columnValue(form, row, column);
    if (item.kind == QLatin1String("amount"))
        return FormatAmount(row.money(column).toPlainString());
    if (item.kind == QLatin1String("text") || item.kind == QLatin1String("joined"))
        return value.toString().trimmed();
    return form.format ? form.format(item.kind, value) : value.toString().trimmed();
}

void drawMark(Printer &printer, const CopyItem &item, TwipsPoint at, bool marked)
{
    const TwipsRect r = item.rect.translated(at);
    const Twips side = std::min(r.height - kPad, kMostMarkSide);
    const Twips top = r.top + (r.height - side) / 2;
    printer.drawBox({r.left, top, side, side});
    printer.setFont(kCaptionFont);
    printAt(printer, {r.left + side + kPad, r.top + (r.height - printer.textHeight()) / 2}, item.caption);
    if (marked) {
        PrinterFont mark;
        mark.size = 6;
        mark.bold = true;
        printer.setFont(mark);
        printAt(printer,
                {r.left + (side - printer.textWidth(QStringLiteral("X"))) / 2, top + (side - printer.textHeight()) / 2},
                QStringLiteral("X"));
    }
}

// A box: its border, "number caption" at the top, then its values one line each, amounts
// right-aligned.
void drawBox(Printer &printer, const CopyForm &form, const CopyItem &item, TwipsPoint at, const RecordSet &row)
{
    const TwipsRect r = item.rect.translated(at);
    printer.drawBox(r);
    const Twips inner = r.width - 2 * kPad;
    Twips y = r.top + kPad / 2;
    const QString caption = (item.boxNo + QLatin1Char(' ') + item.caption).trimmed();
    if (!caption.isEmpty())
        y = printWrapped(printer, kCaptionFont, caption, {r.left + kPad / 2, y}, r.width - kPad);
    QStringList lines;
    if (item.kind == QLatin1String("joined")) {
        QStringList parts;
        for (const QString &column : item.columns)
            parts << valueText(form, item, row, column);
        lines << parts.join(QStringLiteral("   ")).trimmed();
    } else if (item.kind != QLatin1String("empty")) {
        for (const QString &column : item.columns)
            lines << valueText(form, item, row, column);
    }
    PrinterFont usual;
    usual.size = kValuePoints;
    printer.setFont(usual);
    const Twips height = printer.textHeight();
    // The last twip inside the border, where values end.
    const Twips lastX = r.right() - Twips(1), lastY = r.bottom() - Twips(1);
    // Values start under the caption; where they would reach the border they move up to it.
    y = std::max(r.top, std::min(y + kPad / 2, lastY - kPad / 2 - height * int(lines.size())));
    for (const QString &line : lines) {
        if (!line.isEmpty()) {
            printer.setFont(fittingFont(printer, line, inner));
            const Twips width = printer.textWidth(line);
            const bool amount = item.kind == QLatin1String("amount");
            printAt(printer, {amount ? lastX - kPad - width : r.left + kPad, y + (height - printer.textHeight())},
                    line);
        }
        y += height;
    }
}

void drawCopy(Printer &printer, const CopyDrawing &drawing, const CopyForm &form, int copy, const RecordSet &row)
{
    const TwipsPoint at = drawing.copyOrigin(copy);
    for (const CopyItem &item : drawing.items) {
        const PrinterFont font{kSans, item.fontSize, item.bold};
        const TwipsRect r = item.rect.translated(at);
        if (item.kind == QLatin1String("label")) {
            printWrapped(printer, font, item.caption, {r.left, r.top}, r.width);
        } else if (item.kind == QLatin1String("legend")) {
            const QString text = drawing.legends.value(copy).value(item.columns.value(0).toLower());
            printWrapped(printer, font, text, {r.left, r.top}, r.width);
        } else if (item.kind == QLatin1String("mark")) {
            drawMark(printer, item, at, row.flag(item.columns.value(0)));
        } else {
            drawBox(printer, form, item, at, row);
        }
    }
}

// A copy whose legends name columns under "onlyif" is drawn only when one of them holds a value:
// Copy 2 of a 1099 is for the recipient's state return.
bool copyWanted(const CopyDrawing &drawing, const CopyForm &form, int copy, const RecordSet &row)
{
    const QString columns = drawing.legends.value(copy).value(QStringLiteral("onlyif"));
    if (columns.isEmpty())
        return true;
    for (const QString &column : columns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // Amounts are stored as whole numbers: none is 0.
        const QString text = columnValue(form, row, column).toString().trimmed();
        if (!text.isEmpty() && text != QLatin1String("0"))
            return true;
    }
    return false;
}

// Dashed lines between the copies, where the sheet is cut.
void drawCutLines(Printer &printer, const CopyDrawing &drawing)
{
    const int rows = (drawing.copies() + drawing.perRow - 1) / std::max(1, drawing.perRow);
    const Twips width = drawing.copySize.width * drawing.perRow;
    const Twips height = drawing.copySize.height * rows;
    for (int c = 1; c < drawing.perRow; ++c) {
        const Twips x = c * drawing.copySize.width;
        for (Twips y; y < height; y += 2 * kDash)
            printer.drawLine(x, y, x, std::min(y + kDash, height));
    }
    for (int r = 1; r < rows; ++r) {
        const Twips y = r * drawing.copySize.height;
        for (Twips x; x < width; x += 2 * kDash)
            printer.drawLine(x, y, std::min(x + kDash, width), y);
    }
}

// The instructions in columns, on as many pages as they take.
void drawInstructions(Printer &printer, const CopyDrawing &drawing)
{
    if (drawing.instructions.isEmpty())
        return;
    printer.pageBreak();
    const TwipsSize page = printer.pageSize();
    const Twips width = (page.width - 2 * kPageMargin - (kColumns - 1) * kColumnGap) / kColumns;
    const Twips bottom = page.height - kPageMargin;
    int column = 0;
    Twips y = kPageMargin;
    for (const CopyParagraph &paragraph : drawing.instructions) {
        const PrinterFont &font = paragraph.heading ? kHeadingFont : kInstructionFont;
        printer.setFont(font);
        const Twips height = printer.textHeight();
        if (paragraph.heading && y > kPageMargin)
            y += height / 2;
        for (const QString &line : wrap(printer, paragraph.text, width)) {
            if (y + height > bottom) {
                if (++column == kColumns) {
                    column = 0;
                    printer.pageBreak();
                }
                y = kPageMargin;
            }
            printer.setFont(font);
            printAt(printer, {kPageMargin + column * (width + kColumnGap), y}, line);
            y += height;
        }
        y += height / 3;
    }
}

} // namespace

RecordSet FindCopyRow(Database &db, const CopyForm &form, qlonglong key)
{
    RecordSet row = form.readRow ? form.readRow(db, key)
                                 : RecordSet::table(db, form.table, form.keyColumn + QStringLiteral(" = ?"), {key});
    if (row.eof())
        throw DbError(QStringLiteral("The %1 record %2 no longer exists.").arg(form.shownForm).arg(key));
    return row;
}

QString CopyPersonName(const CopyForm &form, const RecordSet &row)
{
    const QString first = form.firstNameColumn.isEmpty() ? QString() : row.text(form.firstNameColumn);
    return (row.text(form.lastNameColumn) + QLatin1Char(' ') + first).simplified().toUpper();
}

QString CopyFileBase(const CopyForm &form, int year, const RecordSet &row)
{
    QString person = CopyPersonName(form, row);
    if (person.isEmpty())
        person = QStringLiteral("RECORD %1").arg(row.integer(form.keyColumn));
    // Characters that some file systems refuse or that would name another folder.
    for (QChar &c : person)
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return QStringLiteral("%1 %2 %3").arg(form.shownForm).arg(year).arg(person);
}

void PrintCopySheet(Printer &printer, const CopyDrawing &drawing, const CopyForm &form, const RecordSet &row)
{
    printer.startJob(
        {QStringLiteral("%1 %2 %3").arg(form.shownForm, form.copiesWord, CopyPersonName(form, row)), JobPaper::Letter});
    for (int copy = 0; copy < drawing.copies(); ++copy)
        if (copyWanted(drawing, form, copy, row))
            drawCopy(printer, drawing, form, copy, row);
    drawCutLines(printer, drawing);
    drawInstructions(printer, drawing);
    EndPrintJob(printer);
}

void PrintCopySheets(Database &db, Printer &printer, const CopyForm &form, const QVector<qlonglong> &keys)
{
    const CopyDrawing drawing = OpenCopyDrawing(db, form.form, form.shownForm);
    for (qlonglong key : keys)
        PrintCopySheet(printer, drawing, form, FindCopyRow(db, form, key));
}

} // namespace quillory
