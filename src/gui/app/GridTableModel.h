#pragma once

#include "core/roster/TextGrid.h"

#include <QAbstractTableModel>

#include <functional>

namespace quindaro2 {

// Shows a grid of the shown team to a view: row 0 of the grid becomes the
// horizontal header, column 0 the vertical header, and the data cells the
// view's cells. The grid is the one copy of the data; the view keeps none.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    GridTableModel(const TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The grid was refilled: shape and every cell may have changed.
    void gridReset();
    // One data cell changed (grid coordinates).
    void cellChanged(int column, int row);
    // Runs `move`, which moves grid data row `from` to `to` and renumbers the rows.
    void moveRow(int from, int to, const std::function<void()>& move);

    // The grid's coordinates of a view index, and back.
    static int GridColumn(const QModelIndex& index) { return index.column() + 1; }
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }

private:
    const TextGrid& grid_;
};

} // namespace quindaro2
