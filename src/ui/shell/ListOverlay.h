#pragma once

#include "shell/RecordGrid.h"

#include <QObject>
#include <QPointer>

class QGroupBox;

namespace quillory {

// The list of a record screen: a grid in a titled frame that covers an area of the screen
// (its fields) while it is open, with some controls disabled meanwhile. A row picked in it is
// reported by rowChosen; the screen closes it then.
class ListOverlay : public QObject {
    Q_OBJECT
public:
    // The frame starts as a hidden child of the screen.
    explicit ListOverlay(QWidget *screen);

    RecordGrid *grid() const { return grid_; }
    bool isOpen() const { return open_; }
    // Whether the widget is the list or lies within it.
    bool holds(const QWidget *widget) const;

    void fill(const QVector<GridColumn> &columns, RecordSet rows);
    // Shows the list over the area under the caption, with the focus, and disables the controls.
    void open(QWidget *area, const QString &caption, const QVector<QWidget *> &disables);
    // Hides the list and enables the controls again.
    void close();

signals:
    void rowChosen(int row);

protected:
    // Keeps the list over its area as the area changes size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QGroupBox *frame_;
    RecordGrid *grid_;
    QPointer<QWidget> area_;
    QVector<QWidget *> disabled_;
    bool open_ = false;
};

} // namespace quillory
