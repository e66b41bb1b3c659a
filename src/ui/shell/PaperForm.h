#pragma once

#include <QVector>
#include <QWidget>

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace quillory {

// One box of a paper form: its rules along the top and the left, its number and caption, then
// what it holds, top to bottom. The form draws the rules along its own right and bottom edges,
// so that no line is drawn twice.
class PaperBox : public QWidget {
public:
    PaperBox(QWidget *parent, const QString &number, const QString &caption, bool wrapCaption);

    QLabel *caption() const { return caption_; }
    QVBoxLayout *body() const { return body_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *caption_ = nullptr;
    QVBoxLayout *body_;
};

// A paper form on screen: white, ruled and captioned in the form's ink, its boxes in bands of
// grid cells, one band below the other. A screen describes its form as a table of boxes.
class PaperForm : public QWidget {
public:
    struct Cell {
        int row;
        int column;
        int rowSpan = 1;
        int columnSpan = 1;
    };
    struct Box {
        QString number; // shown bold before the caption ("a", "15"); may be empty
        QString caption;
        Cell cell;
        // Stacked top to bottom. The caption names the buddy, else the first that takes focus.
        QVector<QWidget *> contents;
        QWidget *buddy = nullptr;
    };

    // The colour the paper form is printed in, for its rules and captions.
    static QColor ink();
    // Makes a label in the captions' style: smaller than the screen's font, in ink.
    static QLabel *captionLabel(const QString &text, QWidget *parent);

    explicit PaperForm(QWidget *parent = nullptr);
    // Long captions wrap within their box instead of widening it.
    void setWrappingCaptions(bool on) { wrapCaptions_ = on; }
    // Starts a band of boxes below the last one; its columns share the width in these proportions.
    void addBand(const QVector<int> &columnStretch);
    // Adds boxes to the last band.
    void addBoxes(const QVector<Box> &boxes);
    PaperBox *addBox(const Box &box);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *bands_;
    QGridLayout *band_ = nullptr;
    bool wrapCaptions_ = false;
};

} // namespace quillory
