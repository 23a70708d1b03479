#include "core/roster/TextGrid.h"

#include <algorithm>

namespace quindaro2 {

void TextGrid::reset(int columns, int rows)
{
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    cells_.assign(static_cast<std::size_t>(columns_ * rows_), QString());
}

bool TextGrid::contains(int column, int row) const
{
    return column >= 0 && column < columns_ && row >= 0 && row < rows_;
}

const QString& TextGrid::cell(int column, int row) const
{
    static const QString empty;
    return contains(column, row) ? cells_[static_cast<std::size_t>(row * columns_ + column)] : empty;
}

void TextGrid::setCell(int column, int row, const QString& text)
{
    if (contains(column, row))
        cells_[static_cast<std::size_t>(row * columns_ + column)] = text;
}

void TextGrid::moveRow(int from, int to)
{
    if (from == to || from < 1 || to < 1 || from >= rows_ || to >= rows_)
        return;
    const auto rowStart = [this](int row) { return cells_.begin() + row * columns_; };
    if (from < to)
        std::rotate(rowStart(from), rowStart(from + 1), rowStart(to + 1));
    else
        std::rotate(rowStart(to), rowStart(from), rowStart(from + 1));
}

} // namespace quindaro2
