#pragma once

#include "core/rom/Result.h"
#include "core/roster/ShownTeam.h"

#include <QString>

namespace quindaro2 {

// Writes a patch instead of saving: from the opened ROM file as it is on disk
// now to the ROM as a Save would write it with the shown team. The extension
// of `patchPath` (.ips or .bps) chooses the format; the ROM is not changed,
// and the patch may not be written over it.
Status SaveShownTeamAsPatch(const ShownTeam& team, const QString& patchPath);

} // namespace quindaro2
