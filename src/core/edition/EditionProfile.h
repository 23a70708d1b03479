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
    bool isTeam(int team) const { return team >= 0 && team < teamCount(); }
    // The two characters of the team's code as stored ("G "); empty for no team.
    QString teamCode(int team) const;

    // The records of one kind per team; none for a kind the edition lacks.
    std::optional<RosterShape> roster(RecordKind kind) const;
    // How many records of the kind a team has: 0 for a kind the edition lacks.
    int slots(RecordKind kind) const { return roster(kind) ? roster(kind)->perTeam : 0; }

    // The data columns of a grid in grid order; empty for a grid the edition lacks.
    std::span<const ColumnDescriptor> columns(RecordKind grid) const;
    // Grid column `column` (1-based); none for the row-number column and beyond the last.
    const ColumnDescriptor* column(RecordKind grid, int column) const;
    // The column holding `kind`, and its 1-based grid column.
    const ColumnDescriptor* columnOfKind(RecordKind grid, ColumnKind kind, int* column = nullptr) const;

    // Absolute file offset of record `index` of `kind` of team `team`; the
    // 512-byte shift applies when `trainer` is 1 and the edition honours it.
    std::optional<qint64> recordOffset(RecordKind kind, int team, int index, int trainer) const;
    // The colour bytes honour the trainer in every edition.
    std::optional<TeamColorOffsets> colorOffsets(int team, int trainer) const;
};

// The profile of an edition; none for a year that is no edition.
const EditionProfile* FindProfile(int edition);

// Every edition's profile, the first edition first.
std::span<const EditionProfile> Profiles();

} // namespace quindaro2
