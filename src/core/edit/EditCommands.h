#pragma once

#include "core/document/Change.h"
#include "core/document/RomDocument.h"
#include "core/edit/EditDialogs.h"

#include <optional>

namespace quindaro2 {

// The road of one edit from the editor: the dialog that fits the cell, which
// checks each answer with the one validation of EditCell and stays open on a
// refusal. The change to make, or none when the user cancelled or the edit
// was refused; a refusal is shown through the dialogs. Nothing of the
// document changes here.
std::optional<Change> AskCellEdit(const RomDocument& document, int team, RecordKind grid, int column, int row,
                                  EditDialogs& dialogs);

} // namespace quindaro2
