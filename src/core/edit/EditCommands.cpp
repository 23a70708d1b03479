#include "core/edit/EditCommands.h"

#include "core/edit/NameProblem.h"
#include "core/roster/CellText.h"
#include "core/roster/ColumnTable.h"
#include "core/roster/TeamStatistics.h"

namespace quindaro2 {

namespace {

// Runs the dialog that fits the column and writes an accepted answer into the cell.
void EditCell(ShownTeam& team, RecordKind grid, int column, int row, EditDialogs& dialogs)
{
    const int edition = team.state.Edition;
    TextGrid& cells = team.grid(grid);
    const ColumnDescriptor* descriptor = Column(grid, edition, column);
    if (!descriptor)
        return;
    const QString& name = cells.cell(1, row);

    if (descriptor->kind == kNameKind) {
        const std::optional<QString> edited = dialogs.EditName(edition, name);
        if (!edited)
            return;
        // A name the edition cannot store would be cut by the next Save.
        if (const QString problem = NameProblem(edition, *edited); !problem.isEmpty()) {
            dialogs.ShowError(problem);
            return;
        }
        cells.setCell(column, row, *edited);
        team.state.DataChanged = true;
        return;
    }
    if (descriptor->choices) {
        const std::optional<QString> chosen =
            dialogs.ChooseItem(descriptor->choices->caption, name, descriptor->choices->OfferedTexts());
        if (chosen) {
            cells.setCell(column, row, *chosen);
            team.state.DataChanged = true;
        }
        return;
    }
    const ValueRange range = descriptor->range.value_or(ValueRange{});
    const std::optional<int> value = dialogs.EnterValue(descriptor->header, name, range,
                                                        *StrictInteger(cells.cell(column, row)), descriptor->hint);
    if (value && range.contains(*value)) {
        cells.setCell(column, row, DecimalText(*value));
        team.state.DataChanged = true;
    }
}

// A number cell that holds no whole number cannot start its dialog.
bool CellCanBeEdited(const ShownTeam& team, RecordKind grid, int column, int row, EditDialogs& dialogs)
{
    const ColumnDescriptor* descriptor = Column(grid, team.state.Edition, column);
    if (!descriptor || !descriptor->rule)
        return true;
    const QString& text = team.grid(grid).cell(column, row);
    if (StrictInteger(text))
        return true;
    dialogs.ShowError(QStringLiteral("'%1' は数値ではありません").arg(text));
    return false;
}

void PlayerGridEdit(ShownTeam& team, RecordKind grid, int column, int row, EditDialogs& dialogs)
{
    const TextGrid& cells = team.grid(grid);
    if (row <= 0 || column <= 0 || row >= cells.rowCount() || column >= cells.columnCount())
        return;
    if (!CellCanBeEdited(team, grid, column, row, dialogs))
        return;
    EditCell(team, grid, column, row, dialogs);
    team.statistics = ShowTeamStatistics(team.state.Edition, team.BatterGrid, team.PitcherGrid);
}

} // namespace

void BatterGridDblClick(ShownTeam& team, int column, int row, EditDialogs& dialogs)
{
    PlayerGridEdit(team, RecordKind::Batter, column, row, dialogs);
}

void PitcherGridClick(ShownTeam& team, int column, int row, EditDialogs& dialogs)
{
    PlayerGridEdit(team, RecordKind::Pitcher, column, row, dialogs);
}

void VisorGridClick(ShownTeam& team, int column, int row, EditDialogs& dialogs)
{
    const TextGrid& cells = team.VisorGrid;
    if (row <= 0 || column <= 0 || row >= cells.rowCount() || column >= cells.columnCount())
        return;
    if (!CellCanBeEdited(team, RecordKind::Manager, column, row, dialogs))
        return;
    EditCell(team, RecordKind::Manager, column, row, dialogs);
}

void MoveGridRow(ShownTeam& team, RecordKind grid, int from, int to)
{
    TextGrid& cells = team.grid(grid);
    if (from == to || from < 1 || to < 1 || from >= cells.rowCount() || to >= cells.rowCount())
        return;
    cells.moveRow(from, to);
    for (int row = 1; row < cells.rowCount(); ++row)
        cells.setCell(0, row, DecimalText(row));
    team.state.DataChanged = true;
}

} // namespace quindaro2
