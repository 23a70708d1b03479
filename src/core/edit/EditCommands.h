#pragma once

#include "core/edit/EditDialogs.h"
#include "core/roster/ShownTeam.h"

namespace quindaro2 {

// The edit command of each grid for the cell at (column, row). An accepted
// answer changes that one cell and sets DataChanged; the ROM is written only by
// a later write-back. The batter and pitcher commands then recompute the team
// figures, also after Cancel or a refused number, but not for a click on the
// heading row or the row-number column. A number outside the column's range is
// dropped without a word.
void BatterGridDblClick(ShownTeam& team, int column, int row, EditDialogs& dialogs);
void PitcherGridClick(ShownTeam& team, int column, int row, EditDialogs& dialogs);
// The manager has no figures; editions before 1993 have no manager to edit.
void VisorGridClick(ShownTeam& team, int column, int row, EditDialogs& dialogs);

// A row dragged by its row-number cell: the model moves with it, the row
// numbers are renumbered 1..N, and DataChanged is set so that a team switch
// asks before dropping the new order.
void MoveGridRow(ShownTeam& team, RecordKind grid, int from, int to);

} // namespace quindaro2
