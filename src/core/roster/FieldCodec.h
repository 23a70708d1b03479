#pragma once

#include "core/rom/Record.h"
#include "core/roster/ColumnTable.h"

namespace quindaro2 {

// The shown value of the field of `kind` in a record: the list position for the
// list column (-1 when its byte matches no code of the edition), the number for
// the others, the whole byte for the 1991 type. -1 for a kind the edition's grid
// lacks, and for the name, which DecodeName shows.
int DecodeField(RecordKind grid, int edition, const Record& record, ColumnKind kind);
inline int DecodeBatterField(int edition, const Record& record, ColumnKind kind)
{
    return DecodeField(RecordKind::Batter, edition, record, kind);
}
inline int DecodePitcherField(int edition, const Record& record, ColumnKind kind)
{
    return DecodeField(RecordKind::Pitcher, edition, record, kind);
}
inline int DecodeManagerField(int edition, const Record& record, ColumnKind kind)
{
    return DecodeField(RecordKind::Manager, edition, record, kind);
}

// Stores `value`, a signed 32-bit number, into the field of `kind`. For the
// list column the value is the list position; a position outside the list, or
// one the edition has no code for, stores nothing. A kind the edition lacks
// changes nothing.
void EncodeField(RecordKind grid, int edition, int value, Record& record, ColumnKind kind);
inline void EncodeBatterField(int edition, int value, Record& record, ColumnKind kind)
{
    EncodeField(RecordKind::Batter, edition, value, record, kind);
}
inline void EncodePitcherField(int edition, int value, Record& record, ColumnKind kind)
{
    EncodeField(RecordKind::Pitcher, edition, value, record, kind);
}
inline void EncodeManagerField(int edition, int value, Record& record, ColumnKind kind)
{
    EncodeField(RecordKind::Manager, edition, value, record, kind);
}

} // namespace quindaro2
