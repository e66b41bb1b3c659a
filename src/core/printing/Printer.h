#pragma once

#include "data/Twips.h"

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

// The paper a print job goes out on.
enum class JobPaper {
    Plain,      // the paper chosen in the printer dialog: the reports
    Letter,     // cut sheets, mailers and the summary forms: 8.5 x 11 in
    Continuous, // continuous forms with both pin-feed strips: 9.5 x 11 in
};

// What a print job is sent as: its name in the print queue and its paper.
struct PrintJob {
    QString name;
    JobPaper paper = JobPaper::Plain;
};

// The paper of a form kind (a PrintMargins FormName): the continuous kinds ("W2-C", "1099-C")
// need the wide page, every other kind a Letter page.
JobPaper FormPaper(const QString &formKind);
// The size of a form paper in twips; nothing for the plain paper, which the printer decides.
TwipsSize FormPaperTwips(JobPaper paper);

// The printer as the print runs see it. Positions and widths are in twips (1440 to the inch)
// from the top-left corner of the printable area; the current position is the top-left corner
// of the next character cell. Drawing opens a document; endDoc sends it as one print job and
// the next drawing starts a new one on a fresh page. Each run names its jobs and their paper
// with startJob before it draws.
class Printer {
public:
    virtual ~Printer() = default;

    const PrinterFont &font() const { return font_; }
    void setFont(const PrinterFont &font) { font_ = font; }
    void setFontName(const QString &name) { font_.name = name; }
    void setFontSize(double points) { font_.size = points; }
    void setFontBold(bool bold) { font_.bold = bold; }

    // Names the job that the next drawing opens (or the open one, while nothing is drawn yet)
    // and sets its paper.
    void startJob(const PrintJob &job) { job_ = job; }
    const PrintJob &job() const { return job_; }
    // The current job's page in twips, and the edges of it that the printer cannot reach.
    virtual TwipsSize pageSize() = 0;
    virtual TwipsMargins unprintableMargins() { return {}; }
    // Where lines of text start and end: column 1 and the first line sit inside these margins,
    // and a line that would reach into the bottom margin starts a new page.
    void setTextMargins(const TwipsMargins &margins) { margins_ = margins; }
    const TwipsMargins &textMargins() const { return margins_; }

    Twips currentX() const { return x_; }
    Twips currentY() const { return y_; }
    void setCurrentX(Twips x) { x_ = x; }
    void setCurrentY(Twips y) { y_ = y; }

    // Width of the text and height of one line in the current font, measured at the
    // printer's resolution.
    Twips textWidth(const QString &text) { return measure(text, font_); }
    Twips textHeight() { return lineHeight(font_); }

    // Prints at the current position; the current x moves to the end of the text.
    void print(const QString &text);
    // A line on the page, for sheets that are drawn rather than filled in.
    void drawLine(Twips x1, Twips y1, Twips x2, Twips y2);
    void drawBox(const TwipsRect &box);
    // Prints at a character column of the current font, the first column being 1 at the left
    // text margin. A line already past that column goes on at the column on the next line.
    void printAtColumn(int column, const QString &text);
    // Back to the left text margin, one line down; a line that would not fit starts a new page.
    void newLine();
    // Goes on on a fresh page of the same job, at the page's top-left corner; nothing drawn yet,
    // nothing to leave.
    void pageBreak();
    // Sends everything drawn since the last end as one print job. Nothing drawn, nothing sent.
    void endDoc();

    // Where the layout engine expects a value: a box of one field of a form. Printers that
    // show a preview may outline it; paper gets nothing.
    virtual void markField(const TwipsRect &box) { Q_UNUSED(box) }

protected:
    virtual Twips measure(const QString &text, const PrinterFont &font) = 0;
    virtual Twips lineHeight(const PrinterFont &font) = 0;
    // Draws with the cell's top-left corner at (x, y); opens the document when needed.
    virtual void draw(Twips x, Twips y, const QString &text, const PrinterFont &font) = 0;
    virtual void drawLineTwips(const TwipsLine &line) = 0;
    virtual void newPage() = 0;
    // Called only when something was drawn since the last end.
    virtual void endJob() = 0;

private:
    PrinterFont font_;
    PrintJob job_;
    TwipsMargins margins_;
    Twips x_;
    Twips y_;
    bool drawn_ = false;
};

} // namespace quillory
