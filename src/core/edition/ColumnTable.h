#pragma once

#include "core/edition/ChoiceList.h"
#include "core/edition/ColumnKind.h"
#include "core/edition/EditionLayout.h"
#include "core/edition/NumberRules.h"
#include "core/edition/ValueRange.h"

#include <QString>

#include <optional>
#include <span>

namespace quindaro2 {

// One column of a grid of one edition: what it shows, where it lives in the
// record, how it is decoded and encoded, and how the editor edits it.
struct ColumnDescriptor {
    QString header;                       // grid heading, export heading, dialog caption
    ColumnKind kind = ColumnKind::Name;
    int byte = -1;                        // first record byte of the field
    const NumberRule* rule = nullptr;     // number columns
    const ChoiceList* choices = nullptr;  // list columns
    std::optional<ValueRange> range;      // number columns
    QString hint;                         // shown under the range in the value dialog, in the source language

    bool isName() const { return kind == ColumnKind::Name; }
    // The hint in the user's language.
    QString shownHint() const;
};

// The data columns of a grid in grid order: element 0 is grid column 1. Empty
// for a grid the edition does not have.
std::span<const ColumnDescriptor> Columns(RecordKind grid, int edition);

// Grid column `column` (1-based); none for the row-number column and beyond the last.
const ColumnDescriptor* Column(RecordKind grid, int edition, int column);

// The column of the grid holding `kind`, and its 1-based grid column.
const ColumnDescriptor* ColumnOfKind(RecordKind grid, int edition, ColumnKind kind, int* column = nullptr);

// The hint a value dialog shows for a column without one.
QString BlankHint();

} // namespace quindaro2
