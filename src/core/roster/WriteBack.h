#pragma once

#include "core/edition/EditionLayout.h"
#include "core/rom/Record.h"
#include "core/rom/Result.h"

#include <QStringList>

namespace quindaro2 {

struct EditionProfile;

// The texts a record's cells show, column 1 first.
QStringList RecordCells(const EditionProfile& profile, RecordKind kind, const Record& record);

// The write-back of one record slot (WriteBackTeam's rule, which every edit
// uses): the record is rebuilt from the slot's bytes as the file holds them,
// and each cell whose text differs from what those bytes read as is encoded
// into it. So bytes that no column covers stay with the slot, and a cell that
// reads as the stored bytes do keeps them: a name with codes no character
// stands for, a value outside the edit range.
//
// Fails, with nothing built, for a name the edition cannot store, a number
// cell that is not a whole number, and a 1991 fielding position that is not
// one when it or the type changed.
Result<Record> WriteBackRecord(const EditionProfile& profile, RecordKind kind, const Record& stored,
                               const QStringList& cells);

} // namespace quindaro2
