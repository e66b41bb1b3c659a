#pragma once

#include "data/Twips.h"
#include <QHash>

#include <QString>
#include <QStringList>
#include <QVector>

namespace quillory {

class Database;

// One thing a drawn copy shows: a box with its caption and values, a fixed text or the copy's
// legend. A row of CopyItems.
struct CopyItem {
    QString kind;    // text, amount, mark, joined, ssn, ein, empty, label, legend
    QString boxNo;   // "1", "12a"; may be empty
    QString caption; // as on the official form
    TwipsRect rect;  // from the copy's top-left corner
    QStringList columns;
    double fontSize = 0; // labels and legends
    bool bold = false;
};

struct CopyParagraph {
    QString text;
    bool heading = false;
};

// How a form is drawn on plain paper for one tax year: the copies of a sheet, what each shows,
// and the instructions that follow them.
struct CopyDrawing {
    QString name; // "W2-2026"
    int year = 0;
    TwipsSize copySize;
    int perRow = 2; // copies side by side
    QVector<CopyItem> items;
    QVector<QHash<QString, QString>> legends; // per copy: slot -> text
    QVector<CopyParagraph> instructions;

    int copies() const { return static_cast<int>(legends.size()); }
    // The copy's top-left corner on the sheet.
    TwipsPoint copyOrigin(int copy) const;
};

// The drawing of a form ("W2") for the database's tax year. A year without one is refused with
// a message naming the years that can be drawn, before anything is printed.
CopyDrawing OpenCopyDrawing(Database &db, const QString &form, const QString &shownForm);

} // namespace quillory
