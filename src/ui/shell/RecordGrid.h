#pragma once

#include "data/RecordSet.h"
#include "data/Twips.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <memory>

namespace quillory {

class Database;

// Converts a length in twips to pixels of the widget's screen.
int twipsToPixels(const QWidget *widget, Twips length);

// How one column of a grid looks. An empty heading shows the column's own name; a width of
// 0 leaves the grid's default width.
struct GridColumn {
    QString heading;
    Twips width;
    bool hidden = false;
};

// The rows of a query as a read-only table model.
class RecordSetModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRecords(RecordSet records, const TableInfo *kinds);
    const RecordSet *records() const { return records_.get(); }
    QVariant value(int row, int column) const;
    int columnIndex(const QString &name) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role) override;

private:
    std::unique_ptr<RecordSet> records_;
    QVector<ColumnKind> kinds_;
    QVector<QString> headings_;
};

// A read-only grid filled from a query. A row is chosen by clicking it or by pressing Space or
// Enter on it.
class RecordGrid : public QTableView {
    Q_OBJECT
public:
    explicit RecordGrid(QWidget *parent = nullptr);

    // Shows these rows instead of the ones before; the columns are then set up as setColumns
    // gave them. When kinds is given, its flag and money columns are shown as such.
    void setRecords(RecordSet records, const TableInfo *kinds = nullptr);
    // Headings, widths and hidden columns by position; columns past the list keep their name
    // and the default width.
    void setColumns(const QVector<GridColumn> &columns);
    // Every other key typed in the grid (not a move, not a choice) goes here instead.
    void setOtherKeyHandler(std::function<void()> handler) { otherKey_ = std::move(handler); }

    // A width in twips on this grid: twips are scaled from the 8-point font that such widths
    // are usually measured with to the grid's own font.
    int widthFor(Twips width) const;

    int rowCount() const { return model_->rowCount(); }
    // The value of a row's column, by position or by name (Null when there is none).
    QVariant value(int row, int column) const { return model_->value(row, column); }
    QVariant value(int row, const QString &column) const;
    QString text(int row, int column) const { return value(row, column).toString(); }

signals:
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyColumns();

    RecordSetModel *model_;
    QVector<GridColumn> columns_;
    std::function<void()> otherKey_;
};

} // namespace quillory
