#include "core/rom/EditionLayout.h"

#include "core/rom/Edition.h"

#include <array>

namespace quindaro2 {

namespace {

using PerEdition = std::array<int, kEditionCount>;
constexpr int kNone = -1;

//                                         86    87    88    89    90    91    92    93    94
constexpr PerEdition kBatterRecordSize   {16,   16,   12,   12,   12,   13,   13,   18,   18};
constexpr PerEdition kPitcherRecordSize  {16,   16,   16,   16,   16,   16,   16,   18,   18};
constexpr PerEdition kManagerRecordSize  {kNone, kNone, kNone, kNone, kNone, kNone, kNone, 18, 18};
constexpr PerEdition kBatterGridColumns  {7,    7,    7,    7,    7,    9,    9,    10,   10};
constexpr PerEdition kPitcherGridColumns {10,   10,   10,   10,   10,   11,   11,   11,   11};
constexpr PerEdition kManagerGridColumns {kNone, kNone, kNone, kNone, kNone, kNone, kNone, 4, 4};
constexpr PerEdition kBattersPerTeam     {12,   12,   12,   12,   12,   12,   13,   13,   13};
constexpr PerEdition kPitchersPerTeam    {4,    4,    6,    6,    6,    6,    5,    7,    7};
constexpr PerEdition kManagersPerTeam    {kNone, kNone, kNone, kNone, kNone, kNone, kNone, 1, 1};

// Two characters per team, laid end to end, exactly as stored.
constexpr std::array<const char*, kEditionCount> kTeamCodes{
    "G L R C T F W D S N ",
    "M G L C B D F S R W T N ",
    "G D C W S T M L BuF H B O N ",
    "L BuF B H O M D G C W S T N P A ",
    "G C D S T W L BuB H F O N M P A ",
    "G D C W S T L BuB F H O N M P A ",
    "D C S G W T BuL B H F O M V DyN ",
    "T S G C W D L BuBWF H M N C P A ",
    "S D G T C YBL F BWBuM H N ACAPAA",
};

struct Placement {
    qint64 firstBatter;
    qint64 firstPitcher;
    qint64 manager;        // kNone before 1993
    qint64 teamStride;
    bool playersHonourTrainer;
    qint64 helmetColor;
    qint64 uniformColor;
    qint64 colorStride;
};

constexpr std::array<Placement, kEditionCount> kPlacements{{
    {0x10,    0xD0,    kNone,  256, false, 0x9E76,  0x9E78,  4},
    {0x10,    0xD0,    kNone,  256, false, 0x9ED9,  0x9EDB,  3},
    {0x10010, 0x100A0, kNone,  256, false, 0x19465, 0x19466, 2},
    {0x10010, 0x100A0, kNone,  256, false, 0x18010, 0x18011, 2},
    {0xF010,  0xF0A0,  kNone,  256, true,  0x18010, 0x18011, 2},
    {0xF010,  0xF0AC,  kNone,  256, true,  0x1EB1C, 0x1EB1D, 2},
    {0xF010,  0xF0B9,  kNone,  256, false, 0x1EA5F, 0x1EA60, 2},
    {0x6010,  0x60FA,  0x6178, 384, true,  0x1EAB0, 0x1EAB1, 2},
    {0x6010,  0x60FA,  0x6178, 384, true,  0x1EA6B, 0x1EA6C, 2},
}};

std::optional<int> Lookup(const PerEdition& table, int edition)
{
    if (!IsEdition(edition))
        return std::nullopt;
    const int value = table[EditionIndex(edition)];
    if (value == kNone)
        return std::nullopt;
    return value;
}

const PerEdition& Table(RecordKind kind, const PerEdition& batter, const PerEdition& pitcher,
                        const PerEdition& manager)
{
    switch (kind) {
    case RecordKind::Batter: return batter;
    case RecordKind::Pitcher: return pitcher;
    case RecordKind::Manager: return manager;
    }
    return manager;
}

bool IsTeam(int edition, int team)
{
    return team >= 0 && team < TeamCount(edition);
}

} // namespace

std::optional<int> RecordSize(RecordKind kind, int edition)
{
    return Lookup(Table(kind, kBatterRecordSize, kPitcherRecordSize, kManagerRecordSize), edition);
}

std::optional<int> GridColumns(RecordKind kind, int edition)
{
    return Lookup(Table(kind, kBatterGridColumns, kPitcherGridColumns, kManagerGridColumns), edition);
}

std::optional<int> RecordsPerTeam(RecordKind kind, int edition)
{
    return Lookup(Table(kind, kBattersPerTeam, kPitchersPerTeam, kManagersPerTeam), edition);
}

int TeamCount(int edition)
{
    if (!IsEdition(edition))
        return 0;
    return static_cast<int>(std::char_traits<char>::length(kTeamCodes[EditionIndex(edition)])) / 2;
}

QString TeamCode(int edition, int team)
{
    if (!IsTeam(edition, team))
        return {};
    return QString::fromLatin1(kTeamCodes[EditionIndex(edition)] + 2 * team, 2);
}

std::optional<qint64> RecordOffset(RecordKind kind, int edition, int team, int index, int trainer)
{
    const std::optional<int> count = RecordsPerTeam(kind, edition);
    if (!count || !IsTeam(edition, team) || index < 0 || index >= *count)
        return std::nullopt;
    const Placement& place = kPlacements[EditionIndex(edition)];
    const qint64 recordSize = *RecordSize(kind, edition);
    qint64 offset = 0;
    bool honoursTrainer = place.playersHonourTrainer;
    switch (kind) {
    case RecordKind::Batter:
        offset = place.firstBatter + team * place.teamStride + index * recordSize;
        break;
    case RecordKind::Pitcher:
        offset = place.firstPitcher + team * place.teamStride + index * recordSize;
        break;
    case RecordKind::Manager:
        offset = place.manager + team * place.teamStride;
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
    const Placement& place = kPlacements[EditionIndex(edition)];
    const qint64 shift = trainer == 1 ? kTrainerShift : 0;
    return TeamColorOffsets{place.helmetColor + place.colorStride * team + shift,
                            place.uniformColor + place.colorStride * team + shift};
}

} // namespace quindaro2
