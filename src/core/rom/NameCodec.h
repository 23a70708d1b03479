#pragma once

#include "core/rom/Record.h"

#include <QString>

namespace quindaro2 {

// Characters per name: 4 or 5 by edition; 0 for a year that is no edition.
int NameLength(int edition);

// The game's own character codes of a name, every character of the
// edition's code runs in code order.
QString CharTable(int edition);

// Whether a name of the edition can hold the character.
bool HasCode(int edition, QChar character);

// Bytes 1 to n of the record (n = the edition's name length) as full-width text.
QString DecodeName(int edition, const Record& record);

// True when the code stands for a character of the edition and is the code
// that character is stored as, so that decoding and storing a name keeps it:
// neither a code outside the runs nor a second code of a repeated character.
bool IsStoredCode(int edition, int code);

// Writes bytes 1 to n and nothing else. A character without a code stops the
// encoding: the name keeps the codes before it, followed by space codes, and the
// result is false.
bool EncodeName(int edition, const QString& text, Record& record);

} // namespace quindaro2
