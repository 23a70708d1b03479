#pragma once

#include "core/edition/ChoiceList.h"
#include "core/edition/ColumnTable.h"
#include "core/edition/NameTable.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace quindaro2 {

// How many records of one kind a team has and how large each is.
struct RosterShape {
    int recordSize = 0;
    int perTeam = 0;
};

// Where the rosters and colours lie in the ROM image (offsets include the
// 16-byte header).
struct Placement {
    qint64 firstBatter = 0;
    qint64 firstPitcher = 0;
    std::optional<qint64> manager;  // editions with a manager only
    qint64 teamStride = 0;
    bool playersHonourTrainer = false;
    qint64 helmetColor = 0;
    qint64 uniformColor = 0;
    qint64 colorStride = 0;
};

// Everything that differs between the editions, in one record per edition:
// fill, edit, write-back, export and the tool all read it here.
struct EditionProfile {
    int year = 0;
    QString teamCodes;  // two characters per team, laid end to end, as stored
    RosterShape batters;
    RosterShape pitchers;
    std::optional<RosterShape> managers;
    Placement placement;
    NameTable names;
    std::vector<ColumnDescriptor> batterColumns;
    std::vector<ColumnDescriptor> pitcherColumns;
    std::vector<ColumnDescriptor> managerColumns;  // empty before managers exist

    int teamCount() const { return static_cast<int>(teamCodes.size()) / 2; }
};

// The profile of an edition; none for a year that is no edition.
const EditionProfile* FindProfile(int edition);

// Every edition's profile, the first edition first.
std::span<const EditionProfile> Profiles();

} // namespace quindaro2
