#pragma once

#include "core/roster/ShownTeam.h"
#include "core/roster/WriteBack.h"

#include <QString>

#include <functional>

namespace quindaro2 {

struct [[nodiscard]] SaveResult {
    QString error;  // empty when the target holds the new image
    bool ok() const { return error.isEmpty(); }
};

// How the shown team reaches the scratch image; tests put a failing one here.
using WriteBackStep = std::function<WriteBackResult(const ShownTeam&, const QString& target)>;

// Saves the shown team into `target` as one atomic replacement: the new image,
// a byte copy of the opened ROM with the team written back, is made apart and
// then renamed over the target. Whatever fails, the target keeps its previous
// bytes. On success the target is the opened ROM from then on (RomPath and
// SaveTarget both name it), so later fills show what was saved.
// DataChanged is left as it was.
SaveResult SaveShownTeam(ShownTeam& team, const QString& target, const WriteBackStep& writeBack = WriteBackTeam);

} // namespace quindaro2
