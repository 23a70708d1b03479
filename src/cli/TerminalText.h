#pragma once

#include "core/roster/TextGrid.h"

#include <QString>
#include <QStringList>

namespace quindaro2::cli {

// Columns a text takes in a terminal: wide and full-width characters two,
// combining marks none, everything else one.
int DisplayWidth(const QString& text);

// The grid as lines of aligned columns, two blanks apart: row 0 (the headings)
// first, then the data rows with their row numbers. A column whose data cells
// are all whole numbers is aligned to the right, any other to the left.
// Trailing blanks are cut.
QStringList FormatGrid(const TextGrid& grid);

} // namespace quindaro2::cli
