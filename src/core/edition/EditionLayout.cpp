#include "core/edition/EditionLayout.h"

#include "core/edition/EditionProfile.h"

namespace quindaro2 {

namespace {

std::optional<RosterShape> Shape(RecordKind kind, int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    if (!profile)
        return std::nullopt;
    switch (kind) {
    case RecordKind::Batter: return profile->batters;
    case RecordKind::Pitcher: return profile->pitchers;
    case RecordKind::Manager: return profile->managers;
    }
    return std::nullopt;
}

bool IsTeam(int edition, int team)
{
    return team >= 0 && team < TeamCount(edition);
}

} // namespace

std::optional<int> RecordSize(RecordKind kind, int edition)
{
    const std::optional<RosterShape> shape = Shape(kind, edition);
    return shape ? std::optional<int>(shape->recordSize) : std::nullopt;
}

std::optional<int> GridColumns(RecordKind kind, int edition)
{
    if (!Shape(kind, edition))
        return std::nullopt;
    return static_cast<int>(Columns(kind, edition).size());
}

std::optional<int> RecordsPerTeam(RecordKind kind, int edition)
{
    const std::optional<RosterShape> shape = Shape(kind, edition);
    return shape ? std::optional<int>(shape->perTeam) : std::nullopt;
}

int TeamCount(int edition)
{
    const EditionProfile* profile = FindProfile(edition);
    return profile ? profile->teamCount() : 0;
}

QString TeamCode(int edition, int team)
{
    if (!IsTeam(edition, team))
        return {};
    return FindProfile(edition)->teamCodes.mid(2 * team, 2);
}

std::optional<qint64> RecordOffset(RecordKind kind, int edition, int team, int index, int trainer)
{
    const std::optional<RosterShape> shape = Shape(kind, edition);
    if (!shape || !IsTeam(edition, team) || index < 0 || index >= shape->perTeam)
        return std::nullopt;
    const Placement& place = FindProfile(edition)->placement;
    qint64 offset = 0;
    bool honoursTrainer = place.playersHonourTrainer;
    switch (kind) {
    case RecordKind::Batter:
        offset = place.firstBatter + team * place.teamStride + index * qint64{shape->recordSize};
        break;
    case RecordKind::Pitcher:
        offset = place.firstPitcher + team * place.teamStride + index * qint64{shape->recordSize};
        break;
    case RecordKind::Manager:
        if (!place.manager)
            return std::nullopt;
        offset = *place.manager + team * place.teamStride;
        honoursTrainer = true;
        break;
    }
    if (trainer == 1 && honoursTrainer)
        offset += kTrainerShift;
    return offset;
}

std::optional<TeamColorOffsets> ColorOffsets(int edition, int team, int trainer)
{
    if (!IsTeam(edition, team))
        return std::nullopt;
    const Placement& place = FindProfile(edition)->placement;
    const qint64 shift = trainer == 1 ? kTrainerShift : 0;
    return TeamColorOffsets{place.helmetColor + place.colorStride * team + shift,
                            place.uniformColor + place.colorStride * team + shift};
}

} // namespace quindaro2
