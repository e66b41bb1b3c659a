#include "shell/StateBox.h"

#include "shell/RecordGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>

namespace quillory {

StateBox::StateBox(QWidget *parent) : QComboBox(parent), entries_(new QStandardItemModel(0, 2, this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completing from a list that is only read on drop-down would depend on what was last read.
    setCompleter(nullptr);
    setModel(entries_);
    setModelColumn(0);

    auto *view = new QTableView(this);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setShowGrid(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setView(view);

    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int row) {
        emit picked(entries_->index(row, 0).data().toString(), entries_->index(row, 1).data().toString());
    });
}

void StateBox::fill()
{
    // Refilling is not an edit: the box keeps showing what it showed.
    const QSignalBlocker quiet(this);
    const QString shown = currentText();
    entries_->setRowCount(0);
    if (source_) {
        for (const auto &[code, number] : source_())
            entries_->appendRow({new QStandardItem(code), new QStandardItem(number)});
    }
    setCurrentIndex(findText(shown.trimmed(), Qt::MatchFixedString));
    setEditText(shown);
}

void StateBox::showPopup()
{
    fill();
    auto *table = static_cast<QTableView *>(view());
    const int code = twipsToPixels(this, kCodeWidth);
    const int number = twipsToPixels(this, kNumberWidth);
    table->setColumnWidth(0, code);
    table->setColumnWidth(1, number);
    table->setMinimumWidth(code + number + 2 * table->frameWidth());
    QComboBox::showPopup();
}

void StateBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace quillory
