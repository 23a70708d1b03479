#include "core/league/LeagueComparison.h"

#include "core/edition/EditionProfile.h"
#include "core/file/RomFile.h"
#include "core/patch/Patch.h"

#include <QCoreApplication>

namespace quindaro2 {

std::vector<LeagueDifference> CompareLeagues(const EditionProfile& profile, const LeagueTable& before,
                                             const LeagueTable& after)
{
    std::vector<LeagueDifference> differences;
    const std::size_t rows = std::min(before.rows.size(), after.rows.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const LeagueRow& a = before.rows[i];
        const LeagueRow& b = after.rows[i];
        const std::span<const ColumnDescriptor> columns = profile.columns(a.grid);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QString& old = a.cells.value(static_cast<qsizetype>(c));
            const QString& now = b.cells.value(static_cast<qsizetype>(c));
            if (old != now)
                differences.push_back({a.team, a.grid, a.slot, static_cast<int>(c) + 1, columns[c].header, old, now});
        }
    }
    return differences;
}

Result<RomImage> PatchedLeague(const RomImage& rom, const QByteArray& patch)
{
    Result<AppliedPatch> applied = ApplyPatch(rom.bytes(), patch);
    if (!applied)
        return Result<RomImage>::Failed(applied.reason());
    return RomImage(std::move(applied.value().target));
}

Result<RomImage> ReadComparedLeague(const QString& path, const RomImage& opened)
{
    const Result<QByteArray> bytes = ReadWholeFile(path, 4 * kLargestRom);
    if (!bytes)
        return Result<RomImage>::Failed(bytes.reason());
    if (PatchKindOfBytes(bytes.value()))
        return PatchedLeague(opened, bytes.value());
    if (bytes->size() > kLargestRom)
        return Result<RomImage>::Failed(QCoreApplication::translate("LeagueComparison", "%1 は ROM としては大きすぎます").arg(path));
    return RomImage(bytes.value());
}

} // namespace quindaro2
