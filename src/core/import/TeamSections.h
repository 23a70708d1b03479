#pragma once

#include "core/edition/EditionLayout.h"
#include "core/import/ImportProblem.h"
#include "core/import/TextLines.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quindaro2 {

// One player line: its place in the file and its fields.
struct TableLine {
    int number = 0;
    QStringList fields;
    bool readable = true;  // false when its fields could not be split; that is reported already
};

// One team as a file holds it. A table whose heading line is missing or is
// not the edition's has no lines here: its columns are unknown.
struct TeamSection {
    QString file;
    int teamLine = 0;
    int team = -1;  // in the edition's list
    std::vector<TableLine> batters;  // line r is record slot r
    std::vector<TableLine> pitchers;

    const std::vector<TableLine>& lines(RecordKind kind) const
    {
        return kind == RecordKind::Batter ? batters : pitchers;
    }
};

struct FileTeams {
    std::vector<TeamSection> teams;
    std::vector<ImportProblem> problems;
};

// Splits the lines of one file into its teams as the export writes them:
// the team line ("Gチーム"), the batter heading line, the batter lines, the
// pitcher heading line, the pitcher lines. Blank lines are skipped. A code
// that several teams share ("C" in 1993) names them in order within the
// file; a file holding only one of them may name it by its file name, as the
// per-team export does ("players_C2.txt" holds the second). Headings must be
// the edition's, and each table must have one line per record slot.
FileTeams SplitTeams(const QString& file, int edition, const std::vector<TextLine>& lines);

} // namespace quindaro2
