#pragma once

#include "core/rom/RomImage.h"
#include "core/roster/ShownTeam.h"

#include <QStringList>

namespace quindaro2 {

struct [[nodiscard]] FillReport {
    QString warning;           // the one warning to show after the grid is complete; empty for none
    QStringList readProblems;  // records or colours that could not be read completely
};

// Each fill reads the shown team (Edition, TeamIndex) from the image and
// replaces the whole grid. A record that cannot be read at all leaves its row
// empty; one cut short by the end of the image shows with its missing bytes
// as 0. The batter and manager fills also load the team colours.
FillReport FillBatterGrid(ShownTeam& team, const RomImage& image);
FillReport FillPitcherGrid(ShownTeam& team, const RomImage& image);
// Editions before 1993 have no manager: the grid is emptied.
FillReport FillVisorGrid(ShownTeam& team, const RomImage& image);

struct [[nodiscard]] TeamFillReport {
    QStringList warnings;      // in fill order, each once
    QStringList readProblems;
};

// The four steps that run after an Open and after every team switch, in their
// fixed order: batters, pitchers, manager, team figures. The image becomes the
// team's source.
TeamFillReport FillTeam(ShownTeam& team, const RomImage& image);

// Reads RomPath once and fills the team from it. A file that cannot be read
// at all fills empty rows, and its reason leads the read problems.
TeamFillReport FillTeamFromFile(ShownTeam& team);

} // namespace quindaro2
