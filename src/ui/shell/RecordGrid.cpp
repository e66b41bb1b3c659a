#include "shell/RecordGrid.h"

#include "data/Twips.h"

#include "data/Database.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace quillory {

int twipsToPixels(const QWidget *widget, Twips length)
{
    return qRound(length.toPixels(widget->logicalDpiX()));
}

void RecordSetModel::setRecords(RecordSet records, const TableInfo *kinds)
{
    beginResetModel();
    records_ = std::make_unique<RecordSet>(std::move(records));
    kinds_.clear();
    headings_.clear();
    for (int c = 0; c < records_->columnCount(); ++c) {
        const QString &name = records_->column(c).name;
        const ColumnInfo *known = kinds ? kinds->find(name) : nullptr;
        kinds_.append(known ? known->kind : ColumnKind::Text);
        headings_.append(name);
    }
    endResetModel();
}

int RecordSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !records_ ? 0 : records_->recordCount();
}

int RecordSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !records_ ? 0 : records_->columnCount();
}

QVariant RecordSetModel::value(int row, int column) const
{
    if (!records_ || row < 0 || row >= records_->recordCount() || column < 0 || column >= records_->columnCount())
        return {};
    // The set is only read here; moving it is how a row's values are reached.
    auto &set = const_cast<RecordSet &>(*records_);
    set.moveTo(row);
    return set.value(column);
}

int RecordSetModel::columnIndex(const QString &name) const
{
    return records_ ? records_->columns().indexOf(name) : -1;
}

QVariant RecordSetModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const QVariant v = value(index.row(), index.column());
    if (v.isNull())
        return QString();
    switch (kinds_.value(index.column())) {
    case ColumnKind::Flag:
        return v.toLongLong() != 0 ? tr("Yes") : tr("No");
    case ColumnKind::Money:
        return Money::fromVariant(v).toCurrency(QLocale());
    default:
        return v.toString();
    }
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headings_.size())
        return headings_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool RecordSetModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size())
        return false;
    headings_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

RecordGrid::RecordGrid(QWidget *parent) : QTableView(parent), model_(new RecordSetModel(this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit rowChosen(index.row());
    });
}

void RecordGrid::setRecords(RecordSet records, const TableInfo *kinds)
{
    model_->setRecords(std::move(records), kinds);
    applyColumns();
}

void RecordGrid::setColumns(const QVector<GridColumn> &columns)
{
    columns_ = columns;
    applyColumns();
}

void RecordGrid::applyColumns()
{
    for (int c = 0; c < model_->columnCount(); ++c) {
        const GridColumn look = c < columns_.size() ? columns_[c] : GridColumn{};
        if (!look.heading.isEmpty())
            model_->setHeaderData(c, Qt::Horizontal, look.heading, Qt::DisplayRole);
        setColumnHidden(c, look.hidden);
        setColumnWidth(c, look.width > Twips() ? widthFor(look.width) : horizontalHeader()->defaultSectionSize());
    }
}

int RecordGrid::widthFor(Twips width) const
{
    const double points = font().pointSizeF();
    const double scale = points > 8.25 ? points / 8.25 : 1.0;
    return qRound(twipsToPixels(this, width) * scale);
}

QVariant RecordGrid::value(int row, const QString &column) const
{
    return model_->value(row, model_->columnIndex(column));
}

void RecordGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid())
            emit rowChosen(currentIndex().row());
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QTableView::keyPressEvent(event);
        return;
    default:
        if (otherKey_ && !event->text().isEmpty()) {
            otherKey_();
            return;
        }
        QTableView::keyPressEvent(event);
    }
}

} // namespace quillory
