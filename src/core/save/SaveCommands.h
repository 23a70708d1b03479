#pragma once

#include "core/roster/ShownTeam.h"
#include "core/save/SavePrompts.h"

namespace quindaro2 {

// The Save command: asks for the target, proposing the opened ROM, and saves
// the shown team into it. Another file that exists is replaced only when the
// user says so. A failure is warned about, naming the file and the reason.
// True when the team was saved; DataChanged is then clear, since the file
// holds what is shown.
bool SaveAskingForTarget(ShownTeam& team, SavePrompts& prompts);

// Asked before the shown team is replaced (a team switch, an Open, leaving the
// program) while DataChanged is set: "はい(&Y)" saves into SaveTarget and
// clears DataChanged. False
// when the replacement must not happen: the user cancelled, or the save
// failed, so that no edit is lost.
bool ConfirmDropShownTeam(ShownTeam& team, SavePrompts& prompts, bool offerCancel);

} // namespace quindaro2
