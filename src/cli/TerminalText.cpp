#include "cli/TerminalText.h"

#include "core/roster/CellText.h"

#include <QStringView>

#include <algorithm>
#include <vector>

namespace quindaro2::cli {

namespace {

// East Asian wide and full-width ranges.
bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF)
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
        || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F)
        || (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool IsZeroWidth(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || c == 0x3099 || c == 0x309A
        || (c >= 0xFE00 && c <= 0xFE0F);
}

QString Padded(const QString& text, int width, bool right)
{
    const QString padding(std::max(0, width - DisplayWidth(text)), u' ');
    return right ? padding + text : text + padding;
}

// Whole numbers in every non-empty data cell, and at least one of them.
bool IsNumberColumn(const TextGrid& grid, int column)
{
    bool any = false;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const QString& text = grid.cell(column, row);
        if (text.isEmpty())
            continue;
        if (!StrictInteger(text))
            return false;
        any = true;
    }
    return any;
}

} // namespace

int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (IsZeroWidth(c))
            continue;
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

QStringList FormatGrid(const TextGrid& grid)
{
    std::vector<int> widths(static_cast<std::size_t>(grid.columnCount()), 0);
    std::vector<bool> right(static_cast<std::size_t>(grid.columnCount()), false);
    for (int column = 0; column < grid.columnCount(); ++column) {
        right[static_cast<std::size_t>(column)] = IsNumberColumn(grid, column);
        for (int row = 0; row < grid.rowCount(); ++row)
            widths[static_cast<std::size_t>(column)] =
                std::max(widths[static_cast<std::size_t>(column)], DisplayWidth(grid.cell(column, row)));
    }
    QStringList lines;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.columnCount(); ++column)
            cells << Padded(grid.cell(column, row), widths[static_cast<std::size_t>(column)],
                            right[static_cast<std::size_t>(column)]);
        QString line = cells.join(QStringLiteral("  "));
        while (line.endsWith(u' '))
            line.chop(1);
        lines << line;
    }
    return lines;
}

} // namespace quindaro2::cli
