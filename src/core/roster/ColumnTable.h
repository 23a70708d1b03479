#pragma once

#include "core/rom/EditionLayout.h"
#include "core/roster/ChoiceList.h"
#include "core/roster/NumberRules.h"
#include "core/roster/ValueRange.h"

#include <QString>

#include <optional>
#include <span>

namespace quindaro2 {

// Names the field a grid column holds and how it is edited: 1 the name, 2 a
// choice from a list, the other powers of two numbers. The same kind means
// different fields in the batter, pitcher and manager grids.
using ColumnKind = int;
inline constexpr ColumnKind kRowNumberKind = 0;
inline constexpr ColumnKind kNameKind = 1;
inline constexpr ColumnKind kListKind = 2;
inline constexpr ColumnKind kPositionKind = 128;
inline constexpr ColumnKind kTypeKind = 8192;  // 1991: grid shows the high four bits of the byte

// One column of a grid of one edition: what it shows, where it lives in the
// record, how it is decoded and encoded, and how the editor edits it.
struct ColumnDescriptor {
    QString header;                       // grid heading, export heading, dialog caption
    ColumnKind kind = kRowNumberKind;
    int byte = -1;                        // first record byte of the field
    const NumberRule* rule = nullptr;     // number columns
    const ChoiceList* choices = nullptr;  // the list column
    std::optional<ValueRange> range;      // number columns
    QString hint;                         // shown under the range in the value dialog
};

// The data columns of a grid in grid order: element 0 is grid column 1. Empty
// for a grid the edition does not have.
std::span<const ColumnDescriptor> Columns(RecordKind grid, int edition);

// Grid column `column` (1-based); none for the row-number column and beyond the last.
const ColumnDescriptor* Column(RecordKind grid, int edition, int column);

// The first column of the grid holding `kind`, and its 1-based grid column.
const ColumnDescriptor* ColumnOfKind(RecordKind grid, int edition, ColumnKind kind, int* column = nullptr);

// The hint a value dialog shows for a column without one.
QString BlankHint();

} // namespace quindaro2
