#include "gui/app/GridTableModel.h"

#include <algorithm>

namespace quindaro2 {

GridTableModel::GridTableModel(const TextGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(grid_.rowCount() - 1, 0);
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(grid_.columnCount() - 1, 0);
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return grid_.cell(GridColumn(index), GridRow(index));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? grid_.cell(section + 1, 0) : grid_.cell(0, section + 1);
}

void GridTableModel::gridReset()
{
    beginResetModel();
    endResetModel();
}

void GridTableModel::cellChanged(int column, int row)
{
    const QModelIndex changed = index(row - 1, column - 1);
    Q_EMIT dataChanged(changed, changed);
}

void GridTableModel::moveRow(int from, int to, const std::function<void()>& move)
{
    // A view row moving down is placed before the row after its target.
    const int destination = to > from ? to : to - 1;
    if (from == to || !beginMoveRows(QModelIndex(), from - 1, from - 1, QModelIndex(), destination))
        return;
    move();
    endMoveRows();
    Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

} // namespace quindaro2
