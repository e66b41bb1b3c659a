#include "shell/ListOverlay.h"

#include <QEvent>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quillory {

ListOverlay::ListOverlay(QWidget *screen) : QObject(screen)
{
    frame_ = new QGroupBox(screen);
    frame_->setObjectName(QStringLiteral("grdEmpListFrame"));
    frame_->setAutoFillBackground(true);
    frame_->hide();
    grid_ = new RecordGrid(frame_);
    grid_->setObjectName(QStringLiteral("grdEmpList"));
    grid_->setFocusPolicy(Qt::NoFocus);
    auto *frameLayout = new QVBoxLayout(frame_);
    frameLayout->addWidget(grid_);
    connect(grid_, &RecordGrid::rowChosen, this, &ListOverlay::rowChosen);
}

bool ListOverlay::holds(const QWidget *widget) const
{
    return widget == frame_ || frame_->isAncestorOf(widget);
}

void ListOverlay::fill(const QVector<GridColumn> &columns, RecordSet rows)
{
    grid_->setColumns(columns);
    grid_->setRecords(std::move(rows));
}

void ListOverlay::open(QWidget *area, const QString &caption, const QVector<QWidget *> &disables)
{
    if (area_ != area) {
        area->installEventFilter(this);
        area_ = area;
    }
    place();
    frame_->setTitle(caption);
    grid_->setAccessibleName(caption);
    frame_->show();
    frame_->raise();
    grid_->setFocusPolicy(Qt::StrongFocus);
    grid_->setFocus();
    disabled_ = disables;
    for (QWidget *w : disabled_)
        w->setEnabled(false);
    open_ = true;
}

void ListOverlay::close()
{
    frame_->hide();
    grid_->setFocusPolicy(Qt::NoFocus);
    for (QWidget *w : disabled_)
        w->setEnabled(true);
    open_ = false;
}

void ListOverlay::place()
{
    if (frame_->parentWidget() != area_)
        frame_->setParent(area_);
    frame_->setGeometry(area_->rect());
}

bool ListOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && open_ && watched == area_)
        place();
    return QObject::eventFilter(watched, event);
}

} // namespace quillory
