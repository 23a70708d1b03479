#pragma once

#include "cli/OutputFormat.h"
#include "core/edition/ColumnKind.h"
#include "core/edition/ColumnTable.h"
#include "core/rom/RomImage.h"
#include "core/roster/TeamView.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <span>
#include <vector>

namespace quindaro2::cli {

// One record as its grid row shows it, with the bytes it was read from.
struct RecordRow {
    int row = 0;       // 1 for the first record, as show and set count
    QStringList cells;  // grid columns 1 on
    QByteArray bytes;   // as stored, as far as the image holds them
};

struct GridRows {
    RecordKind grid = RecordKind::Batter;
    std::vector<RecordRow> rows;
};

// A team as the editor shows it, for the formats scripts read.
struct TeamRows {
    int edition = 0;
    int team = 0;
    TeamStatistics figures;
    int helmet = 0;
    int uniform = 0;
    std::vector<GridRows> grids;  // the grids the edition has, batters first
};

// The bytes a record read got.
QByteArray RecordBytes(const RecordRead& read);

// The rows of the team's view, with their records' bytes from the image it was computed from.
TeamRows ReadTeamRows(int edition, const TeamView& team, const RomImage& image);

// {"index", "code", "colors", "figures", "grids"}: one team of a document.
QJsonObject TeamJson(const TeamRows& team);

// One line per cell of every team, in team, grid, row and column order.
CsvTable TeamsCsv(std::span<const TeamRows> teams);

// The English word of a column's field ("homeRuns"), the same in every edition.
QString FieldWord(ColumnKind kind);

// A cell for JSON: a number column's whole number as a number and its empty
// cell (a record not read) as null; any other text as it is.
QJsonValue CellValue(const ColumnDescriptor& column, const QString& text);

} // namespace quindaro2::cli
