#include "core/edition/EditionProfile.h"

#include "core/edition/ColumnTables.h"
#include "core/edition/Edition.h"

#include <type_traits>

namespace quindaro2 {

namespace {

using namespace columns;

constexpr qint64 kNoManager = -1;

Placement Place(qint64 firstBatter, qint64 firstPitcher, qint64 manager, qint64 teamStride, bool playersHonourTrainer,
                qint64 helmet, qint64 uniform, qint64 colorStride)
{
    return {firstBatter,
            firstPitcher,
            manager == kNoManager ? std::nullopt : std::optional<qint64>(manager),
            teamStride,
            playersHonourTrainer,
            helmet,
            uniform,
            colorStride};
}

const EditionProfile* AllProfiles()
{
    static const EditionProfile profiles[] = {
        {1986, QStringLiteral("G L R C T F W D S N "), {16, 12}, {16, 4}, std::nullopt,
         Place(0x10, 0xD0, kNoManager, 256, false, 0x9E76, 0x9E78, 4), names::Of1986(),
         BattersOf1986(rules::HomeRuns1986), PitchersOf1986(rules::Times10, 990), {}},
        {1987, QStringLiteral("M G L C B D F S R W T N "), {16, 12}, {16, 4}, std::nullopt,
         Place(0x10, 0xD0, kNoManager, 256, false, 0x9ED9, 0x9EDB, 3), names::Of1986(),
         BattersOf1986(rules::HomeRuns1987), PitchersOf1986(rules::Times4, 900), {}},
        {1988, QStringLiteral("G D C W S T M L BuF H B O N "), {12, 12}, {16, 6}, std::nullopt,
         Place(0x10010, 0x100A0, kNoManager, 256, false, 0x19465, 0x19466, 2), names::Of1988(),
         BattersOf1988(choices::SidesOf1986()), PitchersOf1988(choices::FormsOf1986(), 99), {}},
        {1989, QStringLiteral("L BuF B H O M D G C W S T N P A "), {12, 12}, {16, 6}, std::nullopt,
         Place(0x10010, 0x100A0, kNoManager, 256, false, 0x18010, 0x18011, 2), names::Of1988(),
         BattersOf1988(choices::SidesOf1989()), PitchersOf1988(choices::FormsOf1986(), 99), {}},
        {1990, QStringLiteral("G C D S T W L BuB H F O N M P A "), {12, 12}, {16, 6}, std::nullopt,
         Place(0xF010, 0xF0A0, kNoManager, 256, true, 0x18010, 0x18011, 2), names::Of1990(),
         BattersOf1990(), PitchersOf1988(choices::FormsOf1990(), 90), {}},
        {1991, QStringLiteral("G D C W S T L BuB F H O N M P A "), {13, 12}, {16, 6}, std::nullopt,
         Place(0xF010, 0xF0AC, kNoManager, 256, true, 0x1EB1C, 0x1EB1D, 2), names::Of1990(),
         BattersOf1991(), PitchersOf1991(), {}},
        {1992, QStringLiteral("D C S G W T BuL B H F O M V DyN "), {13, 13}, {16, 5}, std::nullopt,
         Place(0xF010, 0xF0B9, kNoManager, 256, false, 0x1EA5F, 0x1EA60, 2), names::Of1992(),
         BattersOf1992(), PitchersOf1992(), {}},
        {1993, QStringLiteral("T S G C W D L BuBWF H M N C P A "), {18, 13}, {18, 7}, RosterShape{18, 1},
         Place(0x6010, 0x60FA, 0x6178, 384, true, 0x1EAB0, 0x1EAB1, 2), names::Of1993(),
         BattersOf1993(), PitchersOf1993(), ManagersOf1993()},
        {1994, QStringLiteral("S D G T C YBL F BWBuM H N ACAPAA"), {18, 13}, {18, 7}, RosterShape{18, 1},
         Place(0x6010, 0x60FA, 0x6178, 384, true, 0x1EA6B, 0x1EA6C, 2), names::Of1993(),
         BattersOf1993(), PitchersOf1993(), ManagersOf1993()},
    };
    static_assert(std::extent_v<decltype(profiles)> == kEditionCount, "one profile per edition");
    return profiles;
}

} // namespace

QString EditionProfile::teamCode(int team) const
{
    return isTeam(team) ? teamCodes.mid(2 * team, 2) : QString();
}

std::optional<RosterShape> EditionProfile::roster(RecordKind kind) const
{
    switch (kind) {
    case RecordKind::Batter: return batters;
    case RecordKind::Pitcher: return pitchers;
    case RecordKind::Manager: return managers;
    }
    return std::nullopt;
}

std::span<const ColumnDescriptor> EditionProfile::columns(RecordKind grid) const
{
    switch (grid) {
    case RecordKind::Batter: return batterColumns;
    case RecordKind::Pitcher: return pitcherColumns;
    case RecordKind::Manager: return managerColumns;
    }
    return {};
}

const ColumnDescriptor* EditionProfile::column(RecordKind grid, int column) const
{
    const std::span<const ColumnDescriptor> all = columns(grid);
    if (column < 1 || column > static_cast<int>(all.size()))
        return nullptr;
    return &all[static_cast<std::size_t>(column - 1)];
}

const ColumnDescriptor* EditionProfile::columnOfKind(RecordKind grid, ColumnKind kind, int* column) const
{
    const std::span<const ColumnDescriptor> all = columns(grid);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind == kind) {
            if (column)
                *column = static_cast<int>(i) + 1;
            return &all[i];
        }
    }
    return nullptr;
}

std::optional<qint64> EditionProfile::recordOffset(RecordKind kind, int team, int index, int trainer) const
{
    const std::optional<RosterShape> shape = roster(kind);
    if (!shape || !isTeam(team) || index < 0 || index >= shape->perTeam)
        return std::nullopt;
    qint64 offset = 0;
    bool honoursTrainer = placement.playersHonourTrainer;
    switch (kind) {
    case RecordKind::Batter:
        offset = placement.firstBatter + team * placement.teamStride + index * qint64{shape->recordSize};
        break;
    case RecordKind::Pitcher:
        offset = placement.firstPitcher + team * placement.teamStride + index * qint64{shape->recordSize};
        break;
    case RecordKind::Manager:
        if (!placement.manager)
            return std::nullopt;
        offset = *placement.manager + team * placement.teamStride;
        honoursTrainer = true;
        break;
    }
    if (trainer == 1 && honoursTrainer)
        offset += kTrainerShift;
    return offset;
}

std::optional<TeamColorOffsets> EditionProfile::colorOffsets(int team, int trainer) const
{
    if (!isTeam(team))
        return std::nullopt;
    const qint64 shift = trainer == 1 ? kTrainerShift : 0;
    return TeamColorOffsets{placement.helmetColor + placement.colorStride * team + shift,
                            placement.uniformColor + placement.colorStride * team + shift};
}

const EditionProfile* FindProfile(int edition)
{
    if (!IsEdition(edition))
        return nullptr;
    return &AllProfiles()[EditionIndex(edition)];
}

std::span<const EditionProfile> Profiles()
{
    return {AllProfiles(), static_cast<std::size_t>(kEditionCount)};
}

} // namespace quindaro2
