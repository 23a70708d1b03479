#pragma once

#include "core/edition/EditionLayout.h"
#include "core/rom/RomImage.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quindaro2 {

struct EditionProfile;

// One player of the league: a record slot of one grid of one team, with the
// texts its grid row shows.
struct LeagueRow {
    int team = 0;
    RecordKind grid = RecordKind::Batter;
    int slot = 0;        // 0 for the first record
    QStringList cells;   // the grid's columns 1 on; empty texts for a record not read
};

// Every player of every team in team, grid and slot order.
struct LeagueTable {
    std::vector<LeagueRow> rows;
};

LeagueTable BuildLeagueTable(const EditionProfile& profile, const RomImage& image);

// The team as the league shows it: its code without the trailing blank, and
// its index after it where another team of the edition has the same code
// ("C (3)"), so that every team reads differently.
QString LeagueTeamLabel(const EditionProfile& profile, int team);

// The grids the edition has, batters first.
std::vector<RecordKind> LeagueGrids(const EditionProfile& profile);

// Every heading of the edition's grids once, in grid order: the columns a
// league row can be sorted by.
QStringList LeagueHeadings(const EditionProfile& profile);

// The cell of the row under the heading; none when its grid lacks the heading.
const QString* LeagueCell(const EditionProfile& profile, const LeagueRow& row, const QString& heading);

} // namespace quindaro2
