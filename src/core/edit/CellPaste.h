#pragma once

#include "core/document/History.h"
#include "core/document/RomDocument.h"
#include "core/roster/TextGrid.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace quindaro2 {

// A block of cells as spreadsheets put it on the clipboard: lines of
// tab-separated texts. A line ending the text is no row; "\r\n" is a line end.
QList<QStringList> ParseCellBlock(const QString& text);

// The data cells from (firstColumn, firstRow) to (lastColumn, lastRow) of a
// grid, in grid coordinates, as such a block.
QString CellBlockText(const TextGrid& grid, int firstColumn, int firstRow, int lastColumn, int lastRow);

// A pasted cell that cannot be taken, in grid coordinates.
struct PasteRefusal {
    int column = 0;
    int row = 0;
    QString text;
    QString reason;
};

// What a paste would do: one step holding a change per row, or the cells it
// refuses; a paste with any refusal changes nothing.
struct PastePlan {
    Step step;
    std::vector<PasteRefusal> refused;

    bool ok() const { return refused.empty() && !step.changes.empty(); }
};

// The block pasted with its first cell at (column, row) of the team's grid:
// every cell validated by the one validation of every edit.
PastePlan PlanPaste(const RomDocument& document, int team, RecordKind grid, int column, int row, const QString& text);

// The refused cells as lines the user reads: "3 行 打率「abc」：…".
QString RefusalLines(const PastePlan& plan, int listed);

} // namespace quindaro2
