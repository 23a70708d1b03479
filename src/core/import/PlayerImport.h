#pragma once

#include "core/document/History.h"
#include "core/document/RomDocument.h"
#include "core/edition/EditionLayout.h"
#include "core/import/ImportFile.h"
#include "core/import/ImportProblem.h"
#include "core/rom/Result.h"
#include "core/rom/RomImage.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quindaro2 {

// One cell the import changes, as the export shows it before and after.
struct ImportedCell {
    int team = 0;
    RecordKind grid = RecordKind::Batter;
    int slot = 0;    // 0-based record slot: the line's place in its table
    QString player;  // the slot's name after the import
    QString heading;
    QString before;
    QString after;
};

struct PlayerImport {
    Step step;                            // the import as one step of the document; empty when anything is refused
    RomImage image;                       // the new image; the old one when anything is refused
    std::vector<int> teams;               // the teams the texts hold, in list order
    std::vector<ImportedCell> changes;    // team by team, slot by slot, column by column
    std::vector<ImportProblem> problems;  // the refused files, lines and cells, at most kMostImportProblems
    int unlistedProblems = 0;             // the problems found beyond those, only counted
    QStringList notes;                    // values the records keep otherwise than written

    bool ok() const { return problems.empty(); }
};

// Puts the texts of a player data export back into the document's bytes: one file of
// all teams, or per-team files in any order; a team the texts lack keeps its
// records. Line r of a team's table is its record slot r. Every changed cell
// goes through the editor's one validation (EditCell) and the write-back of
// a Save, so a cell whose text is what the export shows keeps its bytes, and
// managers and team colours stay as they are. The 1991 type columns hold the
// whole byte, as exported; of a batter's type and position, which share that
// byte, the column that was changed gives the position. All or nothing: when
// anything is refused the problems name the refused files, lines and cells
// (the first kMostImportProblems found; the rest are counted), and the image
// is the old one. Together the texts may hold kMostImportLines lines. Fails
// only when the image cannot give a team that the texts hold. Nothing of the
// document changes here: the caller applies the step.
Result<PlayerImport> ImportPlayerData(const RomDocument& document, const std::vector<ImportFile>& files);

} // namespace quindaro2
