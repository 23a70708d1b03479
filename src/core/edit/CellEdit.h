#pragma once

#include "core/edit/Change.h"
#include "core/edition/ValueRange.h"
#include "core/rom/Result.h"
#include "core/roster/ShownTeam.h"

#include <QString>
#include <QStringList>

namespace quindaro2 {

// What editing one cell asks the user: which dialog, and what it shows.
struct CellEditor {
    enum class Dialog { Name, List, Value };

    Dialog dialog = Dialog::Value;
    QString caption;       // the column's heading, or the list's caption
    QString label;         // the player's name
    QString current;       // the cell as it is
    QStringList choices;   // list columns: the texts offered
    ValueRange range;      // value columns
    int start = 0;         // value columns: the number the dialog starts from
    QString hint;          // value columns
};

// The dialog for the cell at (column, row) of a grid of the shown team, or
// why it cannot be edited: no such cell, a record the ROM could not give, a
// number cell that holds no number.
Result<CellEditor> CellEditorOf(const ShownTeam& team, RecordKind grid, int column, int row);

// The one validation of every proposed edit, whoever proposes it (a dialog,
// the tool, an import): the change it makes, or the reason it is refused.
// Names must be storable in the edition, list texts among the choices
// offered, numbers whole and inside the column's range.
Result<Change> EditCell(const ShownTeam& team, RecordKind grid, int column, int row, const QString& text);

// A row dragged to another place of the batter or pitcher grid.
Result<Change> MoveRow(const ShownTeam& team, RecordKind grid, int from, int to);

// A colour picked for the team: a code of the palette, 0 to 63.
Result<Change> SetTeamColor(const ShownTeam& team, TeamColor color, int code);

} // namespace quindaro2
