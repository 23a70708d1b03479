#pragma once

#include "core/roster/ShownTeam.h"

#include <QStringList>

namespace quindaro2 {

struct [[nodiscard]] FillReport {
    QString warning;           // the one warning to show after the grid is complete; empty for none
    QStringList readProblems;  // records or colours that could not be read completely
};

// Each fill reads the shown team (RomPath, Edition, TeamIndex) from the ROM and
// replaces the whole grid. A record that cannot be read at all leaves its row
// empty; one cut short by the end of the file shows with its missing bytes as 0.
// The batter and manager fills also load the team colours.
FillReport FillBatterGrid(ShownTeam& team);
FillReport FillPitcherGrid(ShownTeam& team);
// Editions before 1993 have no manager: the grid is emptied.
FillReport FillVisorGrid(ShownTeam& team);

struct [[nodiscard]] TeamFillReport {
    QStringList warnings;      // in fill order, each once
    QStringList readProblems;
};

// The four steps that run after an Open and after every team switch, in their
// fixed order: batters, pitchers, manager, team figures.
TeamFillReport FillTeam(ShownTeam& team);

} // namespace quindaro2
