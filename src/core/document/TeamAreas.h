#pragma once

#include "core/document/Change.h"
#include "core/rom/RomImage.h"

#include <vector>

namespace quindaro2 {

struct EditionProfile;

struct ByteSpan {
    qint64 offset = 0;
    qint64 length = 0;
};

// Where a team's bytes lie in an image: every record slot, then the two
// colour bytes; only these bytes are ever edited.
std::vector<ByteSpan> TeamAreas(const EditionProfile& profile, int trainer, int team);

// The team's bytes that differ between two images with the same layout, as
// runs from `from` to `to`; a byte past the end of either image counts as
// differing and is left out of the runs.
std::vector<ByteRun> DifferingRuns(const EditionProfile& profile, const RomImage& from, const RomImage& to, int team);

} // namespace quindaro2
