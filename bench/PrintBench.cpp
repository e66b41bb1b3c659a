// The W-2 run of 10,000 selected W-2s into a PDF file against a bare QPdfWriter drawing the
// same texts at the same positions, one page per sheet. Peak memory is reported too.
#include "BenchData.h"

#include "data/Database.h"
#include "print_w2/W2FormsRun.h"
#include "printing/PaintPrinter.h"
#include "printing/RecordingPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

using namespace quillory;

namespace {

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// The W-2 run as the print screen makes it: its steps, one after the other.
void printForms(Database &db, Printer &printer, const QVector<qlonglong> &ids)
{
    TwoUpRun run(db, printer, QStringLiteral("W2-L"), W2TwoUpForm(), ids.size());
    for (const auto &step : TwoUpSteps(run, db, W2TwoUpForm(), ids))
        step();
}

void printOurs(Database &db, const QVector<qlonglong> &ids, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareFormPrinter(printer);
    SetPdfOutput(printer, path);
    PaintPrinter out(printer);
    printForms(db, out, ids);
    out.finish();
}

// The same texts, drawn with nothing between them and the PDF writer.
void printBare(const RecordingPrinter &recorded, const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const QFont font = ToQFont(PrinterFont{});
    painter.setFont(font);
    const double scale = 1200.0 / 1440.0;
    const double ascent = QFontMetricsF(font, &writer).ascent();
    int job = 1;
    for (const auto &p : recorded.placed()) {
        if (p.job != job) {
            writer.newPage();
            job = p.job;
        }
        painter.drawText(QPointF(p.x.value() * scale, p.y.value() * scale + ascent), p.text);
    }
}

void BM_W2RunToPdf(benchmark::State &state)
{
    bench::BenchFolder folder;
    Database db;
    db.open(folder.databasePath());
    bench::generateW2s(db, 10, static_cast<int>(state.range(0)), 2001);
    QVector<qlonglong> ids;
    QSqlQuery q = db.exec(QStringLiteral("SELECT id FROM W2 ORDER BY Boxd"));
    while (q.next())
        ids << q.value(0).toLongLong();
    RecordingPrinter recorded;
    printForms(db, recorded, ids);

    const QString ours = folder.folder() + QStringLiteral("/ours.pdf");
    const QString bare = folder.folder() + QStringLiteral("/bare.pdf");
    bench::againstLimit(
        state, [&] { printOurs(db, ids, ours); }, [&] { printBare(recorded, bare); });
    state.counters["peak_MiB"] = peakKilobytes() / 1024.0;
    state.counters["pdf_MiB"] = QFile(ours).size() / 1048576.0;
}
BENCHMARK(BM_W2RunToPdf)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
