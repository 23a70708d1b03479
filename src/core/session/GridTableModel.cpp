#include "core/session/GridTableModel.h"

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
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return tips_.value(section);
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? grid_.cell(section + 1, 0) : grid_.cell(0, section + 1);
}

void GridTableModel::reset(const std::function<void()>& replace)
{
    beginResetModel();
    replace();
    endResetModel();
}

void GridTableModel::refresh()
{
    if (rowCount() == 0 || columnCount() == 0)
        return;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

} // namespace quindaro2
