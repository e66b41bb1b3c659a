#pragma once

#include <QPointF>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTextDocumentFragment>
#include <QVector>
#include <gtest/gtest.h>

namespace quillory::test {

struct PdfWord {
    int page;
    QRectF box; // points
    QString text;
};
struct PdfLine {
    int page;
    QPointF at;
    QString text;
};

// Words and lines of a PDF file read back with pdftotext -bbox-layout.
inline void readPdf(const QString &pdf, QVector<PdfWord> &words, QVector<PdfLine> &lines, int &pages)
{
    QProcess tool;
    tool.start("pdftotext", {"-bbox-layout", pdf, "-"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression token(
        R"re(<page |<line |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    pages = 0;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++pages;
        } else if (m.captured(0).startsWith("<line")) {
            lines.append({pages, {}, {}});
        } else {
            const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            const QString text = QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText();
            words.append({pages, box, text});
            PdfLine &line = lines.last();
            if (line.text.isEmpty())
                line.at = box.center();
            line.text += (line.text.isEmpty() ? "" : " ") + text;
        }
    }
}

// The words on a page that lie inside an area (points), in reading order.
inline QStringList wordsInside(const QVector<PdfWord> &words, int page, const QRectF &area)
{
    QStringList inside;
    for (const PdfWord &w : words)
        if (w.page == page && area.contains(w.box))
            inside << w.text;
    return inside;
}

} // namespace quillory::test
