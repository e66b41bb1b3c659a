#include "printing/RecordingPrinter.h"

#include <cmath>

namespace quillory {

namespace {

// Design units of the fixed-pitch face: 2048 to the em, 1229 per character, ascent plus
// descent 2320.
constexpr double kAdvancePerEm = 1229.0 / 2048.0;
constexpr double kHeightPerEm = 2320.0 / 2048.0;

int emTwips(const PrinterFont &font)
{
    return Twips::points(font.size).value();
}

} // namespace

Twips FixedPitchMetrics::width(const QString &text, const PrinterFont &font)
{
    return Twips(static_cast<int>(std::lround(text.size() * kAdvancePerEm * emTwips(font))));
}

Twips FixedPitchMetrics::lineHeight(const PrinterFont &font)
{
    return Twips(static_cast<int>(std::lround(kHeightPerEm * emTwips(font))));
}

RecordingPrinter::RecordingPrinter(std::shared_ptr<TextMetrics> metrics, TwipsSize plainPage, TwipsMargins unprintable)
    : metrics_(std::move(metrics)), plainPage_(plainPage), unprintable_(unprintable)
{
}

TwipsSize RecordingPrinter::pageSize()
{
    return job().paper == JobPaper::Plain ? plainPage_ : FormPaperTwips(job().paper);
}

TwipsSize RecordingPrinter::jobPage(int number) const
{
    const JobPaper paper = jobSetup(number).paper;
    return paper == JobPaper::Plain ? plainPage_ : FormPaperTwips(paper);
}

void RecordingPrinter::opened()
{
    // The first drawing of a job keeps its name and paper.
    if (jobs_.size() < job_) {
        jobs_.resize(job_);
        jobs_[job_ - 1] = job();
    }
}

QVector<RecordingPrinter::Placed> RecordingPrinter::job(int number) const
{
    QVector<Placed> out;
    for (const Placed &p : placed_) {
        if (p.job == number)
            out.append(p);
    }
    return out;
}

const RecordingPrinter::Placed *RecordingPrinter::find(const QString &text) const
{
    for (const Placed &p : placed_) {
        if (p.text == text)
            return &p;
    }
    return nullptr;
}

void RecordingPrinter::clear()
{
    placed_.clear();
    boxes_.clear();
    lines_.clear();
    jobs_.clear();
    job_ = 1;
    page_ = 1;
}

void RecordingPrinter::markField(const TwipsRect &box)
{
    boxes_.append({box, job_, page_});
}

Twips RecordingPrinter::measure(const QString &text, const PrinterFont &font)
{
    return metrics_->width(text, font);
}

Twips RecordingPrinter::lineHeight(const PrinterFont &font)
{
    return metrics_->lineHeight(font);
}

void RecordingPrinter::draw(Twips x, Twips y, const QString &text, const PrinterFont &font)
{
    opened();
    placed_.append({text, x, y, font, job_, page_});
}

void RecordingPrinter::drawLineTwips(const TwipsLine &line)
{
    opened();
    lines_.append({line, job_, page_});
}

void RecordingPrinter::endJob()
{
    ++job_;
    page_ = 1;
}

} // namespace quillory
