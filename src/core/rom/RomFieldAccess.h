#pragma once

#include "core/rom/EditionLayout.h"
#include "core/rom/Record.h"
#include "core/rom/Result.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace quindaro2 {

// Every access opens the file by its path, moves a few bytes at an absolute
// offset and closes it again: the editor holds no copy of the ROM, so each
// access sees the file as it is at that moment. Writers never create or
// truncate a file.

// 1 when byte 6 of the header has bit 0x04 set, 0 when it is clear or the file
// is shorter than the header's first 8 bytes, -1 when it cannot be opened.
int HasTrainer(const QString& path);

std::optional<qint64> BatterOffset(int edition, int team, int index, int trainer);
std::optional<qint64> PitcherOffset(int edition, int team, int index, int trainer);
std::optional<qint64> ManagerOffset(int edition, int team, int trainer);

// A record read from the file. A record cut short by the end of the file still
// counts as read; the bytes past `bytesRead` were not read and are zero.
struct [[nodiscard]] RecordRead {
    Record record;
    int bytesRead = 0;
    QString reason;  // why nothing, or not everything, was read

    explicit operator bool() const { return bytesRead > 0; }
    bool complete() const { return bytesRead > 0 && bytesRead == record.size; }
};

RecordRead ReadRecord(const QString& path, RecordKind kind, int edition, int team, int index);
Status WriteRecord(const QString& path, RecordKind kind, int edition, int team, int index,
                   const Record& record);

inline RecordRead ReadBatterRecord(const QString& path, int edition, int team, int index)
{
    return ReadRecord(path, RecordKind::Batter, edition, team, index);
}
inline RecordRead ReadPitcherRecord(const QString& path, int edition, int team, int index)
{
    return ReadRecord(path, RecordKind::Pitcher, edition, team, index);
}
inline RecordRead ReadManagerRecord(const QString& path, int edition, int team)
{
    return ReadRecord(path, RecordKind::Manager, edition, team, 0);
}
inline Status WriteBatterRecord(const QString& path, int edition, int team, int index, const Record& record)
{
    return WriteRecord(path, RecordKind::Batter, edition, team, index, record);
}
inline Status WritePitcherRecord(const QString& path, int edition, int team, int index, const Record& record)
{
    return WriteRecord(path, RecordKind::Pitcher, edition, team, index, record);
}
inline Status WriteManagerRecord(const QString& path, int edition, int team, const Record& record)
{
    return WriteRecord(path, RecordKind::Manager, edition, team, 0, record);
}

// The team's two colour codes: helmet (cap) first, then uniform.
struct TeamColors {
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;

    friend bool operator==(const TeamColors&, const TeamColors&) = default;
};

// Both bytes must be read; a colour that was not read is no colour.
Result<TeamColors> ReadTeamColors(const QString& path, int edition, int team);
// In 1986 and 1987 the byte between the two colours is left untouched.
Status WriteTeamColors(const QString& path, int edition, int team, TeamColors colors);

} // namespace quindaro2
