#pragma once

#include "core/document/Change.h"
#include "core/document/RomDocument.h"
#include "core/edition/ValueRange.h"
#include "core/rom/Result.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

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

// The dialog for the cell at (column, row) of a grid of the team, or why it
// cannot be edited: no such cell, a record the ROM could not give, a number
// cell that holds no number.
Result<CellEditor> CellEditorOf(const RomDocument& document, int team, RecordKind grid, int column, int row);

// The one validation of every proposed edit, whoever proposes it (a dialog,
// the tool, an import): the change it makes to the team's bytes, or the
// reason it is refused. Names must be storable in the edition, list texts
// among the choices offered, numbers whole and inside the column's range. The
// record is rebuilt by the write-back rule from the slot's bytes in the file,
// so a cell that reads as the file's bytes keeps them.
Result<Change> EditCell(const RomDocument& document, int team, RecordKind grid, int column, int row,
                        const QString& text);

// Several cells of one row edited at once (a paste): each (column, text) is
// validated as EditCell validates it, and the record is rebuilt once, so
// that the change is one run of the record.
Result<Change> EditRowCells(const RomDocument& document, int team, RecordKind grid, int row,
                            const std::vector<std::pair<int, QString>>& cells);

// A batter or pitcher row moved to another place (a drag): every record from
// the one place to the other is rewritten, each from its own slot's bytes.
Result<Change> MoveRow(const RomDocument& document, int team, RecordKind grid, int from, int to);

// A colour picked for the team: a code of the palette, 0 to 63.
Result<Change> SetTeamColor(const RomDocument& document, int team, TeamColor color, int code);

// What an edited cell's bytes read as when that is not what was entered,
// as the status bar says it: "打率 327 は 326 として記録されます"; empty
// when they read as entered, and for changes other than a cell's.
QString StoredNote(const EditionProfile& profile, const Change& change);

} // namespace quindaro2
