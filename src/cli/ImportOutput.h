#pragma once

#include "cli/OutputFormat.h"
#include "core/import/ImportIntoRom.h"
#include "core/rom/RomImage.h"

#include <QJsonObject>

namespace quindaro2::cli {

// What an import would do: whether every cell was accepted, the teams the
// texts hold, each changed cell with its record's bytes in `original` and
// after the import, and every refused place (the reasons are messages).
QJsonObject ImportJson(const ImportRun& run, const RomImage& original);

// The changed cells: team, code, grid, row, player, field, heading, before, after.
CsvTable ImportCsv(const ImportRun& run);

} // namespace quindaro2::cli
