#pragma once

#include "core/edition/EditionLayout.h"
#include "core/league/LeagueTable.h"

#include <QString>

#include <optional>
#include <vector>

namespace quindaro2 {

struct EditionProfile;

// Which players the league shows: those whose name holds the text, of the
// team and of the grid, each when given.
struct LeagueFilter {
    QString name;             // kana, or romaji as the one-line name entry converts it
    std::optional<int> team;
    std::optional<RecordKind> grid;
};

// The text the name filter looks for: what the typed text converts to as
// far as it does (so "tak" looks for た while the k waits for its vowel),
// or the typed text itself when nothing converts.
QString LeagueSearchText(const EditionProfile& profile, const QString& typed);

// The indexes into the table of the rows the filter lets through, in table order.
std::vector<int> FilterLeague(const EditionProfile& profile, const LeagueTable& table, const LeagueFilter& filter);

// Orders two cells of a column: whole numbers as numbers and before any other
// text, names by the codes of the edition's name table, other texts as text.
// Negative, zero or positive as `a` goes before, with or after `b`.
int CompareLeagueCells(const EditionProfile& profile, bool nameColumn, const QString& a, const QString& b);

// Sorts the rows (indexes into the table) by the heading's cells, stably;
// rows whose grid lacks the heading go last in either direction.
void SortLeague(const EditionProfile& profile, const LeagueTable& table, const QString& heading, bool descending,
                std::vector<int>& rows);

} // namespace quindaro2
