#include "core/roster/ShownTeam.h"

namespace quindaro2 {

TextGrid& ShownTeam::grid(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Batter: return BatterGrid;
    case RecordKind::Pitcher: return PitcherGrid;
    case RecordKind::Manager: return VisorGrid;
    }
    return VisorGrid;
}

const TextGrid& ShownTeam::grid(RecordKind kind) const
{
    return const_cast<ShownTeam*>(this)->grid(kind);
}

} // namespace quindaro2
