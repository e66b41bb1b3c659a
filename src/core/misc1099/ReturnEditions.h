#pragma once

#include <QString>
#include <QVector>

namespace quillory {

// How a box of a 1099 is typed and stored.
enum class BoxKind {
    Amount,   // money
    Mark,     // a check box, stored as a flag
    TipCodes, // up to two Treasury tipped occupation codes: `column` and `column2`
    State,    // a state line: the state's code in `column`, the payer's number there in `column2`
};

// One box (or one line of a two-line box) of a paper 1099 as the entry screen shows it.
struct BoxRow {
    const char *box;     // the form's box number ("1a", "13b"); empty for an unnumbered mark
    const char *caption; // the form's caption
    const char *column;
    BoxKind kind;
    int line; // 0 for a one-line box, else 1 or 2 of a two-line state box
    int row;  // where it stands among the boxes (state lines: the column of their band)
    int col;
    const char *column2 = nullptr;
};

// One edition of a form: its name, revision and boxes in the order they are filled in.
struct ReturnEdition {
    const char *form;     // "1099-NEC"
    const char *revision; // "Rev. December 2026"
    QVector<BoxRow> boxes;
};

// The edition of the form used for a tax year, or nullptr when the year has none of ours (a
// 1099-MISC before 2025 keeps the screen of the 1999-2019 form; a 1099-NEC before 2025 is not kept).
const ReturnEdition *miscEdition(int year);
const ReturnEdition *necEdition(int year);

// Why a tipped occupation code cannot be stored, or empty text when it can (empty included).
QString tipCodeProblem(const QString &box, const QString &code);

} // namespace quillory
