#include "core/roster/TeamView.h"

namespace quindaro2 {

TextGrid& TeamView::grid(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Batter: return BatterGrid;
    case RecordKind::Pitcher: return PitcherGrid;
    case RecordKind::Manager: return VisorGrid;
    }
    return VisorGrid;
}

const TextGrid& TeamView::grid(RecordKind kind) const
{
    return const_cast<TeamView*>(this)->grid(kind);
}

} // namespace quindaro2
