#pragma once

#include "core/edition/ColumnTable.h"
#include "core/rom/Record.h"
#include "core/rom/Result.h"

#include <QString>

#include <optional>

namespace quindaro2 {

struct EditionProfile;

// The list position of a list column's byte; none when the byte matches no
// code of the edition.
std::optional<int> DecodeChoice(const ColumnDescriptor& column, const Record& record);

// The number a number column's field holds; for the 1991 type the whole byte.
int DecodeNumber(const ColumnDescriptor& column, const Record& record);

// Either of the two by the column; none for the name, which the name table
// decodes, and for a list byte without a code.
std::optional<int> DecodeColumn(const ColumnDescriptor& column, const Record& record);

// The number a grid cell shows for a number column's decoded value: the value
// itself, but for the 1991 type only the high four bits of its byte.
int ShownValue(const ColumnDescriptor& column, int decoded);

// Stores `value`, a signed 32-bit number, into the column's field; for a list
// column the value is the list position. Fails, storing nothing, for a list
// position outside the list or one the edition has no code for, and for the
// name column.
Status EncodeColumn(const ColumnDescriptor& column, int value, Record& record);

// The text a grid cell shows for the column's field: the name, the list text
// (empty when no code matches), or the number (for the 1991 type only the
// high four bits). `suspect` is set when the value is impossible: a list byte
// without a code or a negative number.
QString GridText(const EditionProfile& profile, const ColumnDescriptor& column, const Record& record,
                 bool* suspect = nullptr);

// The same by the field's kind; none, or nothing stored, for a kind the
// edition's grid lacks.
std::optional<int> DecodeField(RecordKind grid, int edition, const Record& record, ColumnKind kind);
Status EncodeField(RecordKind grid, int edition, int value, Record& record, ColumnKind kind);

} // namespace quindaro2
