#pragma once

#include "printing/Printer.h"

#include <QVector>
#include <memory>

namespace quillory {

// How wide a text is and how high a line is, in twips.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual Twips width(const QString &text, const PrinterFont &font) = 0;
    virtual Twips lineHeight(const PrinterFont &font) = 0;
};

// The metrics of the forms' fixed-pitch face at any size: each character 0.6 em wide
// (10 characters per inch at 12 points), a line 1.1328 em high, as in Courier New and its
// metric twin Liberation Mono.
class FixedPitchMetrics : public TextMetrics {
public:
    Twips width(const QString &text, const PrinterFont &font) override;
    Twips lineHeight(const PrinterFont &font) override;
};

// Keeps every placed text instead of printing it: what the print runs are tested with, and
// what a preview draws from.
class RecordingPrinter : public Printer {
public:
    struct Placed {
        QString text;
        Twips x;
        Twips y;
        PrinterFont font;
        int job = 1;  // print jobs counted from 1
        int page = 1; // pages within the job, from 1
    };
    struct FieldBox {
        TwipsRect box;
        int job = 1;
        int page = 1;
    };
    struct Line {
        TwipsLine line;
        int job = 1;
        int page = 1;
    };

    // The plain paper is Letter by default.
    explicit RecordingPrinter(std::shared_ptr<TextMetrics> metrics = std::make_shared<FixedPitchMetrics>(),
                              TwipsSize plainPage = FormPaperTwips(JobPaper::Letter), TwipsMargins unprintable = {});

    const QVector<Placed> &placed() const { return placed_; }
    const QVector<FieldBox> &fieldBoxes() const { return boxes_; }
    const QVector<Line> &lines() const { return lines_; }
    // The name and paper of a job (counted from 1) as it was when its first drawing opened it.
    PrintJob jobSetup(int number) const { return jobs_.value(number - 1); }
    // The page of a job in twips.
    TwipsSize jobPage(int number) const;

    TwipsSize pageSize() override;
    TwipsMargins unprintableMargins() override { return unprintable_; }
    // Jobs ended so far; the next drawing belongs to the one after them.
    int jobsEnded() const { return job_ - 1; }
    using Printer::job;
    // Texts of one job, in the order they were placed.
    QVector<Placed> job(int number) const;
    // The first placed text equal to the given one, or nullptr.
    const Placed *find(const QString &text) const;
    void clear();

    void markField(const TwipsRect &box) override;

protected:
    Twips measure(const QString &text, const PrinterFont &font) override;
    Twips lineHeight(const PrinterFont &font) override;
    void draw(Twips x, Twips y, const QString &text, const PrinterFont &font) override;
    void drawLineTwips(const TwipsLine &line) override;
    void newPage() override { ++page_; }
    void endJob() override;

private:
    void opened();

    std::shared_ptr<TextMetrics> metrics_;
    TwipsSize plainPage_;
    TwipsMargins unprintable_;
    QVector<Placed> placed_;
    QVector<FieldBox> boxes_;
    QVector<Line> lines_;
    QVector<PrintJob> jobs_;
    int job_ = 1;
    int page_ = 1;
};

} // namespace quillory
