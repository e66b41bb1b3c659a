#pragma once

#include <QRect>
#include <QString>
#include <stdexcept>

namespace quillory {

// A failure of the printer (it could not start, or the job failed); what() is the text shown
// to the user.
class PrinterError : public std::runtime_error {
public:
    explicit PrinterError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

struct PrinterFont {
    QString name = QStringLiteral("Courier New");
    double size = 12.0; // points
    bool bold = false;

    friend bool operator==(const PrinterFont &a, const PrinterFont &b)
    {
        return a.name == b.name && a.size == b.size && a.bold == b.bold;
    }
    friend bool operator!=(const PrinterFont &a, const PrinterFont &b) { return !(a == b); }
};

// The printer as the print runs see it. Positions and widths are in twips (1440 to the inch)
// from the top-left corner of the printable area; the current position is the top-left corner
// of the next character cell. Drawing opens a document; endDoc sends it as one print job and
// the next drawing starts a new one on a fresh page.
class Printer {
public:
    static constexpr int kTwipsPerInch = 1440;
    static constexpr int kTwipsPerPoint = 20;

    virtual ~Printer() = default;

    const PrinterFont &font() const { return font_; }
    void setFont(const PrinterFont &font) { font_ = font; }
    void setFontName(const QString &name) { font_.name = name; }
    void setFontSize(double points) { font_.size = points; }
    void setFontBold(bool bold) { font_.bold = bold; }

    int currentX() const { return x_; }
    int currentY() const { return y_; }
    void setCurrentX(int twips) { x_ = twips; }
    void setCurrentY(int twips) { y_ = twips; }

    // Width of the text and height of one line in the current font, measured at the
    // printer's resolution.
    int textWidth(const QString &text) { return measure(text, font_); }
    int textHeight() { return lineHeight(font_); }

    // Prints at the current position; the current x moves to the end of the text.
    void print(const QString &text);
    // Prints at a character column of the current font, the first column being 1 at the left
    // edge. A line already past that column goes on at the column on the next line.
    void printAtColumn(int column, const QString &text);
    // Back to the left edge, one line down; a line that would not fit starts a new page.
    void newLine();
    // Sends everything drawn since the last end as one print job. Nothing drawn, nothing sent.
    void endDoc();

    // Where the layout engine expects a value: a box of one field of a form. Printers that
    // show a preview may outline it; paper gets nothing.
    virtual void markField(const QRect &box) { Q_UNUSED(box) }

protected:
    virtual int measure(const QString &text, const PrinterFont &font) = 0;
    virtual int lineHeight(const PrinterFont &font) = 0;
    // Height of the page in twips, for lines that run past its bottom.
    virtual int pageHeight() = 0;
    // Draws with the cell's top-left corner at (x, y); opens the document when needed.
    virtual void draw(int x, int y, const QString &text, const PrinterFont &font) = 0;
    virtual void newPage() = 0;
    // Called only when something was drawn since the last end.
    virtual void endJob() = 0;

    bool hasOpenDocument() const { return drawn_; }

private:
    PrinterFont font_;
    int x_ = 0;
    int y_ = 0;
    bool drawn_ = false;
};

} // namespace quillory
