#pragma once

#include <QString>

#include <vector>

namespace quindaro2 {

// A grid of text cells addressed as (column, row), like the editor's string
// grids: row 0 holds the headings and column 0 the row numbers.
class TextGrid {
public:
    // Sets the size and empties every cell.
    void reset(int columns, int rows);

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }

    // The empty text outside the grid.
    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    // Moves data row `from` to `to` (both 1-based), shifting the rows between.
    void moveRow(int from, int to);

    friend bool operator==(const TextGrid&, const TextGrid&) = default;

private:
    bool contains(int column, int row) const;

    int columns_ = 0;
    int rows_ = 0;
    std::vector<QString> cells_;  // row by row
};

} // namespace quindaro2
