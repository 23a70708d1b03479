#pragma once

#include "core/edition/ColumnTable.h"
#include "core/rom/Record.h"

#include <QString>

namespace quindaro2 {

// The shown value of a column's field in a record: the list position for a
// list column (-1 when its byte matches no code of the edition), the number
// for the others, the whole byte for the 1991 type. -1 for the name, which
// DecodeName shows.
int DecodeColumn(const ColumnDescriptor& column, const Record& record);

// The number a grid cell shows for a value column's decoded value: the value
// itself, but for the 1991 type only the high four bits of its byte.
int ShownValue(const ColumnDescriptor& column, int decoded);

// Stores `value`, a signed 32-bit number, into the column's field. For a list
// column the value is the list position; a position outside the list, or one
// the edition has no code for, stores nothing.
void EncodeColumn(const ColumnDescriptor& column, int value, Record& record);

// The text a grid cell shows for the column's field: the name, the list text
// (empty when no code matches), or the number (for the 1991 type only the
// high four bits). `suspect` is set when the decoded value is impossible.
QString GridText(int edition, const ColumnDescriptor& column, const Record& record, bool* suspect = nullptr);

// The same by the field's kind; -1, or nothing stored, for a kind the
// edition's grid lacks.
int DecodeField(RecordKind grid, int edition, const Record& record, ColumnKind kind);
void EncodeField(RecordKind grid, int edition, int value, Record& record, ColumnKind kind);

} // namespace quindaro2
