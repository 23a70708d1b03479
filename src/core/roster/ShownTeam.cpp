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

QByteArray TeamBytes(const RomImage& image, int edition, int team)
{
    QByteArray bytes;
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        for (int slot = 0; slot < RecordsPerTeam(kind, edition).value_or(0); ++slot) {
            const RecordRead read = image.record(kind, edition, team, slot);
            bytes.append(reinterpret_cast<const char*>(read.record.bytes.data()), read.bytesRead);
        }
    }
    if (const Result<TeamColors> colors = image.colors(edition, team))
        bytes.append(static_cast<char>(colors->helmet)).append(static_cast<char>(colors->uniform));
    return bytes;
}

} // namespace quindaro2
