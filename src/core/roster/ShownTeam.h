#pragma once

#include "core/edition/EditionLayout.h"
#include "core/rom/RomImage.h"
#include "core/roster/TeamStatistics.h"
#include "core/roster/TextGrid.h"

#include <QString>

namespace quindaro2 {

// Which ROM is open, which edition the user says it is, which team is shown and
// whether the grids hold edits not yet written back.
struct EditorState {
    QString RomPath;     // every fill and write-back reads this file
    QString SaveTarget;  // the file the next write-back writes
    int Edition = 0;
    int TeamIndex = 0;
    bool DataChanged = false;
    int HelmetColorCode = 0;
    int UniformColorCode = 0;
};

// The shown team: the editor state, the three grids that are the editor's
// only working copy of the team's data, and the image they were read from.
struct ShownTeam {
    EditorState state;
    TextGrid BatterGrid;
    TextGrid PitcherGrid;
    TextGrid VisorGrid;
    TeamStatistics statistics;
    RomImage source;  // the file as the last fill or save saw it

    TextGrid& grid(RecordKind kind);
    const TextGrid& grid(RecordKind kind) const;
};

// The bytes of one team in an image: every record slot and the two colour
// bytes, as far as the image holds them. Two images hold the same team when
// these are equal.
QByteArray TeamBytes(const RomImage& image, int edition, int team);

} // namespace quindaro2
