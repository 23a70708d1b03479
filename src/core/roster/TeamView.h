#pragma once

#include "core/edition/EditionLayout.h"
#include "core/roster/TeamStatistics.h"
#include "core/roster/TextGrid.h"

#include <QStringList>

namespace quindaro2 {

// One team as the editor shows it, computed from the bytes of an image: the
// three grids, the two colour codes and the four figures. Nothing here is
// edited; an edit changes the bytes, and the view is computed again.
struct TeamView {
    int team = 0;
    TextGrid BatterGrid;
    TextGrid PitcherGrid;
    TextGrid VisorGrid;  // empty before managers exist
    int HelmetColorCode = 0;
    int UniformColorCode = 0;
    TeamStatistics statistics;
    QStringList warnings;      // impossible values, one per grid, in fill order
    QStringList readProblems;  // records or colours the image cannot give completely

    TextGrid& grid(RecordKind kind);
    const TextGrid& grid(RecordKind kind) const;
};

} // namespace quindaro2
