#include "core/roster/TextGrid.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

QStringList Column0(const TextGrid& grid)
{
    QStringList cells;
    for (int row = 0; row < grid.rowCount(); ++row)
        cells << grid.cell(1, row);
    return cells;
}

TextGrid Numbered()
{
    TextGrid grid;
    grid.reset(2, 5);
    for (int row = 0; row < 5; ++row)
        grid.setCell(1, row, QString::number(row));
    return grid;
}

TEST(TextGrid, MovesDataRowsAndShiftsTheRowsBetween)
{
    TextGrid grid = Numbered();
    grid.moveRow(3, 1);
    EXPECT_EQ(Column0(grid), (QStringList{QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("1"),
                                          QStringLiteral("2"), QStringLiteral("4")}));
    grid.moveRow(1, 4);
    EXPECT_EQ(Column0(grid), (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                          QStringLiteral("4"), QStringLiteral("3")}));
}

TEST(TextGrid, IgnoresMovesOfTheHeaderRowAndOutsideTheGrid)
{
    TextGrid grid = Numbered();
    const TextGrid before = grid;
    grid.moveRow(0, 2);
    grid.moveRow(2, 0);
    grid.moveRow(2, 5);
    grid.moveRow(-1, 2);
    EXPECT_EQ(grid, before);
    EXPECT_TRUE(grid.cell(7, 7).isEmpty());
    grid.setCell(7, 7, QStringLiteral("x"));
    EXPECT_EQ(grid, before);
}

} // namespace
} // namespace quindaro2
