#pragma once

#include <QString>

#include <optional>

namespace quindaro2 {

// The three kinds of record a team block holds, in the order they are stored.
enum class RecordKind { Batter, Pitcher, Manager };

inline constexpr int kMaxRecordSize = 18;
inline constexpr int kTrainerShift = 512;

// Per-edition facts of the ROM image. Every lookup answers "none" for a thing
// the edition lacks or for an edition, team or slot that does not exist, so no
// caller can turn a missing entry into an offset.
std::optional<int> RecordSize(RecordKind kind, int edition);
std::optional<int> GridColumns(RecordKind kind, int edition);
std::optional<int> RecordsPerTeam(RecordKind kind, int edition);

// Number of teams of the edition; 0 for a year that is no edition.
int TeamCount(int edition);
// The two characters of the team's code as stored, a one-letter code with its
// trailing blank ("G "); empty for a team that does not exist.
QString TeamCode(int edition, int team);

// Absolute file offset of record `index` of `kind` of team `team`. `trainer` is
// the image's trainer bit (RomImage::trainer): the 512-byte shift applies only
// when it is 1 and the edition honours it for that kind of record.
std::optional<qint64> RecordOffset(RecordKind kind, int edition, int team, int index, int trainer);

struct TeamColorOffsets {
    qint64 helmet;
    qint64 uniform;
};
// The colour bytes honour the trainer in every edition.
std::optional<TeamColorOffsets> ColorOffsets(int edition, int team, int trainer);

} // namespace quindaro2
