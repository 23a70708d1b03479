#include "core/document/TeamAreas.h"

#include "core/edition/EditionProfile.h"

namespace quindaro2 {

std::vector<ByteSpan> TeamAreas(const EditionProfile& profile, int trainer, int team)
{
    std::vector<ByteSpan> areas;
    for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
        for (int slot = 0; slot < profile.slots(kind); ++slot) {
            if (const std::optional<qint64> offset = profile.recordOffset(kind, team, slot, trainer))
                areas.push_back({*offset, profile.roster(kind)->recordSize});
        }
    }
    if (const std::optional<TeamColorOffsets> colors = profile.colorOffsets(team, trainer)) {
        areas.push_back({colors->helmet, 1});
        areas.push_back({colors->uniform, 1});
    }
    return areas;
}

std::vector<ByteRun> DifferingRuns(const EditionProfile& profile, const RomImage& from, const RomImage& to, int team)
{
    std::vector<ByteRun> runs;
    const QByteArray& a = from.bytes();
    const QByteArray& b = to.bytes();
    const qint64 common = std::min(a.size(), b.size());
    for (const ByteSpan& area : TeamAreas(profile, from.trainer(), team)) {
        const qint64 end = std::min(area.offset + area.length, common);
        qint64 start = -1;
        for (qint64 at = area.offset; at <= end; ++at) {
            const bool differs = at < end && a[at] != b[at];
            if (differs && start < 0)
                start = at;
            if (!differs && start >= 0) {
                runs.push_back({start, a.mid(start, at - start), b.mid(start, at - start)});
                start = -1;
            }
        }
    }
    return runs;
}

} // namespace quindaro2
