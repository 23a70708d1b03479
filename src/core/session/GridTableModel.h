#pragma once

#include "core/roster/TextGrid.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

namespace quindaro2 {

// Shows one grid of the shown team's view to a table view: row 0 of the
// grid becomes the horizontal header, column 0 the vertical header, and the
// data cells the view's cells. The grid is computed from the document's
// bytes; the model keeps no copy of it.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridTableModel(const TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Runs `replace`, which gives the grid another shape or another team.
    void reset(const std::function<void()>& replace);
    // The tooltips of the column headings, first data column first.
    void setHeaderTips(QStringList tips) { tips_ = std::move(tips); }

    // Every cell may read otherwise; the shape is the same.
    void refresh();

    // The grid's coordinates of a view index, and back.
    static int GridColumn(const QModelIndex& index) { return index.column() + 1; }
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }

private:
    const TextGrid& grid_;
    QStringList tips_;
};

} // namespace quindaro2
