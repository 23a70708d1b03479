#include "core/edition/EditionLayout.h"

#include "core/edition/EditionProfile.h"

namespace quindaro2 {

std::optional<int> RecordSize(RecordKind kind, int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    const std::optional<RosterShape> shape = profile ? profile->roster(kind) : std::nullopt;
    return shape ? std::optional<int>(shape->recordSize) : std::nullopt;
}

std::optional<int> GridColumns(RecordKind kind, int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    if (!profile || !profile->roster(kind))
        return std::nullopt;
    return static_cast<int>(profile->columns(kind).size());
}

std::optional<int> RecordsPerTeam(RecordKind kind, int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    const std::optional<RosterShape> shape = profile ? profile->roster(kind) : std::nullopt;
    return shape ? std::optional<int>(shape->perTeam) : std::nullopt;
}

int TeamCount(int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->teamCount() : 0;
}

QString TeamCode(int edition, int team)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->teamCode(team) : QString();
}

std::optional<qint64> RecordOffset(RecordKind kind, int edition, int team, int index, int trainer)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->recordOffset(kind, team, index, trainer) : std::nullopt;
}

std::optional<TeamColorOffsets> ColorOffsets(int edition, int team, int trainer)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->colorOffsets(team, trainer) : std::nullopt;
}

} // namespace quindaro2
