#pragma once

#include "core/edit/Change.h"
#include "core/edit/EditDialogs.h"
#include "core/roster/ShownTeam.h"

#include <optional>

namespace quindaro2 {

// The road of one edit from the editor: the dialog that fits the cell, which
// checks each answer with the one validation of EditCell and stays open on a
// refusal. The change to apply, or none when the user cancelled or the edit
// was refused; a refusal is shown through the dialogs. Nothing of the team
// changes here.
std::optional<Change> AskCellEdit(const ShownTeam& team, RecordKind grid, int column, int row, EditDialogs& dialogs);

} // namespace quindaro2
