#include "core/league/LeagueFilter.h"

#include "core/edit/RomajiInput.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/CellText.h"

#include <algorithm>

namespace quindaro2 {

namespace {

int NameOf(const EditionProfile& profile, RecordKind grid)
{
    int column = 0;
    return profile.columnOfKind(grid, ColumnKind::Name, &column) ? column : 0;
}

int CompareNames(const NameTable& names, const QString& a, const QString& b)
{
    const qsizetype length = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < length; ++i) {
        // A character without a code sorts after every stored one.
        const auto key = [&](QChar c) {
            const int code = names.code(c);
            return code < 0 ? 0x10000 + c.unicode() : code;
        };
        const int difference = key(a[i]) - key(b[i]);
        if (difference != 0)
            return difference;
    }
    return static_cast<int>(a.size() - b.size());
}

} // namespace

QString LeagueSearchText(const EditionProfile& profile, const QString& typed)
{
    const QString trimmed = typed.trimmed();
    const QString converted = ConvertNameInput(profile.names, trimmed, false).text;
    return converted.isEmpty() ? trimmed : converted;
}

std::vector<int> FilterLeague(const EditionProfile& profile, const LeagueTable& table, const LeagueFilter& filter)
{
    const QString needle = LeagueSearchText(profile, filter.name);
    const int nameColumns[] = {NameOf(profile, RecordKind::Batter), NameOf(profile, RecordKind::Pitcher),
                               NameOf(profile, RecordKind::Manager)};
    std::vector<int> rows;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const LeagueRow& row = table.rows[i];
        if (filter.team && row.team != *filter.team)
            continue;
        if (filter.grid && row.grid != *filter.grid)
            continue;
        if (!needle.isEmpty()) {
            const int column = nameColumns[static_cast<int>(row.grid)];
            if (column == 0 || !row.cells.value(column - 1).contains(needle, Qt::CaseInsensitive))
                continue;
        }
        rows.push_back(static_cast<int>(i));
    }
    return rows;
}

int CompareLeagueCells(const EditionProfile& profile, bool nameColumn, const QString& a, const QString& b)
{
    if (nameColumn)
        return CompareNames(profile.names, a, b);
    const std::optional<int> x = StrictInteger(a);
    const std::optional<int> y = StrictInteger(b);
    if (x && y)
        return *x < *y ? -1 : (*x > *y ? 1 : 0);
    if (x || y)
        return x ? -1 : 1;
    return a.compare(b);
}

void SortLeague(const EditionProfile& profile, const LeagueTable& table, const QString& heading, bool descending,
                std::vector<int>& rows)
{
    bool nameColumn = false;
    for (const RecordKind grid : LeagueGrids(profile)) {
        if (const ColumnDescriptor* name = profile.columnOfKind(grid, ColumnKind::Name))
            nameColumn = nameColumn || name->header == heading;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int left, int right) {
        const QString* a = LeagueCell(profile, table.rows[static_cast<std::size_t>(left)], heading);
        const QString* b = LeagueCell(profile, table.rows[static_cast<std::size_t>(right)], heading);
        if (!a || !b)
            return a && !b;
        const int order = CompareLeagueCells(profile, nameColumn, *a, *b);
        return descending ? order > 0 : order < 0;
    });
}

} // namespace quindaro2
