#pragma once

#include "core/edition/EditionLayout.h"
#include "core/roster/ShownTeam.h"

#include <QString>

#include <variant>

namespace quindaro2 {

enum class TeamColor { Helmet, Uniform };

// One accepted edit of the shown team, holding what it replaced, so that it
// can be applied and reverted exactly.
struct CellChange {
    RecordKind grid = RecordKind::Batter;
    int column = 0;  // grid coordinates, 1-based
    int row = 0;
    QString before;
    QString after;
};

struct RowMove {
    RecordKind grid = RecordKind::Batter;
    int from = 0;  // data rows, 1-based
    int to = 0;
};

struct ColorChange {
    TeamColor color = TeamColor::Helmet;
    int before = 0;
    int after = 0;
};

using Change = std::variant<CellChange, RowMove, ColorChange>;

// Makes the change in the shown team, recomputes the team figures and sets
// DataChanged. Reverting puts back exactly what was there, figures included;
// it sets DataChanged too, since only the caller's history knows whether the
// team is back at its saved state.
void Apply(ShownTeam& team, const Change& change);
void Revert(ShownTeam& team, const Change& change);

// What the change did, as an undo item names it: "実本塁打の変更", "行の移動".
QString ChangeName(int edition, const Change& change);

} // namespace quindaro2
