#pragma once

#include "core/document/RomDocument.h"
#include "core/save/SavePrompts.h"

namespace quindaro2 {

// The Save command: asks for the target, proposing the opened ROM, and saves
// the document into it. Another file that exists is replaced only when the
// user says so. A failure is warned about, naming the file and the reason.
// True when the document was saved: it is then at its saved point.
bool SaveAskingForTarget(RomDocument& document, SavePrompts& prompts);

// Saves the document into its own file, warning when that fails; true when
// the file holds the edits.
bool SaveIntoItsFile(RomDocument& document, SavePrompts& prompts);

// What the unsaved-changes question decided.
enum class DropDecision {
    Keep,   // the user cancelled, or the save failed: nothing may replace the edits
    Saved,  // there was nothing to save, or the file now holds the edits
    Drop,   // the user chose to drop the edits
};

// The unsaved-changes question alone: "はい(&Y)" saves into the document's
// file; nothing is dropped here.
DropDecision AskToDropEdits(RomDocument& document, SavePrompts& prompts, bool offerCancel);

// Asked before the shown team is replaced (a team switch, an Open, leaving the
// program) while the document holds unsaved edits: "はい(&Y)" saves them into
// the document's file, "いいえ(&N)" drops them, so that the document holds
// what the file holds. False when the replacement must not happen: the user
// cancelled, or the save failed, so that no edit is lost.
bool ConfirmDropShownTeam(RomDocument& document, SavePrompts& prompts, bool offerCancel);

} // namespace quindaro2
