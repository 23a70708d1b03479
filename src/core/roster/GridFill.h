#pragma once

#include "core/rom/RomImage.h"
#include "core/roster/TeamView.h"

#include <QStringList>

namespace quindaro2 {

struct EditionProfile;

struct [[nodiscard]] GridFill {
    TextGrid grid;
    QString warning;           // the one warning to show after the grid is complete; empty for none
    QStringList readProblems;  // records that could not be read completely
};

// Each fill decodes one grid of a team from the image: headings, row numbers
// and one row per record slot. A record that cannot be read at all leaves its
// row empty; one cut short by the end of the image shows with its missing
// bytes as 0.
GridFill FillBatterGrid(const EditionProfile& profile, const RomImage& image, int team);
GridFill FillPitcherGrid(const EditionProfile& profile, const RomImage& image, int team);
// Editions before 1993 have no manager: the grid is empty.
GridFill FillVisorGrid(const EditionProfile& profile, const RomImage& image, int team);

// The team as shown after an Open and every team switch: the colours, then
// the three fills and the team figures in their fixed order.
TeamView FillTeam(const EditionProfile& profile, const RomImage& image, int team);

} // namespace quindaro2
