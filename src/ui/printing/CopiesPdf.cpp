#include "printing/CopiesPdf.h"

#include "data/RecordSet.h"
#include "printing/CopySheets.h"
#include "printing/PaintPrinter.h"

#include <QDir>
#include <QPrinter>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryFile>
#include <stdexcept>
#include <sys/stat.h>

namespace quillory {

namespace {

[[noreturn]] void cannotWrite(const QString &path, const QString &why)
{
    throw std::runtime_error(
        QStringLiteral("Could not write the file '%1': %2").arg(QDir::toNativeSeparators(path), why).toStdString());
}

// The printer writes the PDF to a file of its own: a temporary one beside the target, readable by
// its owner only (as QTemporaryFile makes it), then copied whole into place.
void writePdf(const QString &path, const CopyDrawing &drawing, const CopyForm &form, const RecordSet &row)
{
    QTemporaryFile draft(QFileInfo(path).dir().filePath(QStringLiteral(".quillory-copies-XXXXXX.pdf")));
    if (!draft.open())
        cannotWrite(path, draft.errorString());
    draft.close();
    {
        QPrinter printer(QPrinter::HighResolution);
        PrepareFormPrinter(printer);
        SetPdfOutput(printer, draft.fileName());
        PaintPrinter out(printer);
        PrintCopySheet(out, drawing, form, row);
        out.finish();
    }
    if (!draft.open())
        cannotWrite(path, draft.errorString());
    const QByteArray pdf = draft.readAll();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path, file.errorString());
    ::fchmod(file.handle(), 0600);
    if (file.write(pdf) != pdf.size() || !file.commit())
        cannotWrite(path, file.errorString());
}

} // namespace

QStringList SaveCopiesAsPdf(Database &db, const CopyForm &form, const QVector<qlonglong> &keys, const QString &folder)
{
    const CopyDrawing drawing = OpenCopyDrawing(db, form.form, form.shownForm);
    const QDir dir(folder);
    QSet<QString> taken;
    QStringList written;
    for (qlonglong key : keys) {
        const RecordSet row = FindCopyRow(db, form, key);
        const QString base = CopyFileBase(form, drawing.year, row);
        QString name = base + QStringLiteral(".pdf");
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
        taken.insert(name.toLower());
        const QString path = dir.filePath(name);
        writePdf(path, drawing, form, row);
        written << path;
    }
    return written;
}

} // namespace quillory
