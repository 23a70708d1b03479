#include "core/league/LeagueTable.h"

#include "core/edition/EditionProfile.h"
#include "core/roster/WriteBack.h"

namespace quindaro2 {

std::vector<RecordKind> LeagueGrids(const EditionProfile& profile)
{
    std::vector<RecordKind> grids{RecordKind::Batter, RecordKind::Pitcher};
    if (profile.managers)
        grids.push_back(RecordKind::Manager);
    return grids;
}

LeagueTable BuildLeagueTable(const EditionProfile& profile, const RomImage& image)
{
    LeagueTable table;
    std::size_t players = 0;
    for (const RecordKind grid : LeagueGrids(profile))
        players += static_cast<std::size_t>(profile.slots(grid));
    table.rows.reserve(players * static_cast<std::size_t>(profile.teamCount()));
    for (int team = 0; team < profile.teamCount(); ++team) {
        for (const RecordKind grid : LeagueGrids(profile)) {
            const int columns = static_cast<int>(profile.columns(grid).size());
            for (int slot = 0; slot < profile.slots(grid); ++slot) {
                const RecordRead read = image.record(profile, grid, team, slot);
                QStringList cells = read ? RecordCells(profile, grid, read.record) : QStringList();
                while (cells.size() < columns)
                    cells << QString();
                table.rows.push_back({team, grid, slot, std::move(cells)});
            }
        }
    }
    return table;
}

QString LeagueTeamLabel(const EditionProfile& profile, int team)
{
    const QString code = profile.teamCode(team);
    const QString shown = code.trimmed();
    for (int other = 0; other < profile.teamCount(); ++other) {
        if (other != team && profile.teamCode(other) == code)
            return QStringLiteral("%1 (%2)").arg(shown).arg(team);
    }
    return shown;
}

QStringList LeagueHeadings(const EditionProfile& profile)
{
    QStringList headings;
    for (const RecordKind grid : LeagueGrids(profile)) {
        for (const ColumnDescriptor& column : profile.columns(grid)) {
            if (!headings.contains(column.header))
                headings << column.header;
        }
    }
    return headings;
}

const QString* LeagueCell(const EditionProfile& profile, const LeagueRow& row, const QString& heading)
{
    const std::span<const ColumnDescriptor> columns = profile.columns(row.grid);
    for (std::size_t c = 0; c < columns.size() && c < static_cast<std::size_t>(row.cells.size()); ++c) {
        if (columns[c].header == heading)
            return &row.cells[static_cast<qsizetype>(c)];
    }
    return nullptr;
}

} // namespace quindaro2
