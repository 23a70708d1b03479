#pragma once

#include "core/rom/Record.h"

#include <QString>

namespace quindaro2 {

// The game's own character codes of a name, per edition. In 1986 to 1992 a table
// of 88 characters (code = position); in 1993 and 1994 three runs of codes.
QString CharTable(int edition);

// Bytes 1 to n of the record (n = 4 in 1986 and 1987, else 5) as full-width text.
QString DecodeName(int edition, const Record& record);

// Writes bytes 1 to n and nothing else. A character without a code stops the
// encoding: the name keeps the codes before it, followed by space codes, and the
// result is false.
bool EncodeName(int edition, const QString& text, Record& record);

} // namespace quindaro2
