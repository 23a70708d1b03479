#pragma once

#include "core/rom/RomImage.h"
#include "core/roster/ShownTeam.h"
#include "core/roster/WriteBack.h"

#include <QString>

#include <functional>

namespace quindaro2 {

struct [[nodiscard]] SaveResult {
    QString error;           // empty when the target holds the new image
    bool declined = false;   // the user chose not to overwrite a team changed on disk

    bool ok() const { return error.isEmpty() && !declined; }
};

// How the shown team reaches the new image; tests put a failing one here.
using WriteBackStep = std::function<WriteBackResult(const ShownTeam&, RomImage&)>;

// Asked when the shown team's bytes in the file changed since the team was
// read (another program wrote them): true to overwrite them all the same.
using OverwriteQuestion = std::function<bool()>;

// Saves the shown team into `target`. Under the lock of the opened ROM the
// file is read once, the team is written back into that image (so other teams
// keep what the file holds now), and the image replaces the target through
// the file layer; whatever fails, the target keeps its previous bytes. On
// success the target is the opened ROM from then on (RomPath and SaveTarget
// both name it, and the team's source is the saved image).
// DataChanged is left as it was.
SaveResult SaveShownTeam(ShownTeam& team, const QString& target, const OverwriteQuestion& overwriteChanged = {},
                         const WriteBackStep& writeBack = WriteBackTeam);

} // namespace quindaro2
