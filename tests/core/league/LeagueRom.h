#pragma once

#include "core/edition/EditionProfile.h"
#include "core/rom/RomImage.h"
#include "core/sample/DemoRom.h"

#include <QString>

namespace quindaro2::test {

// A sample league whose player `slot` of the team's grid is renamed.
inline void Rename(RomImage& image, const EditionProfile& profile, RecordKind grid, int team, int slot,
                   const QString& name)
{
    Record record = image.record(profile, grid, team, slot).record;
    profile.names.encode(name, record);
    (void)image.setRecord(profile, grid, team, slot, record);
}

inline RomImage SampleLeague(int edition)
{
    return RomImage(DemoRomImage(edition));
}

} // namespace quindaro2::test
