#pragma once

#include <QByteArray>

#include <optional>

namespace quindaro2 {

inline constexpr qint64 kNesHeaderSize = 16;

// What the 16-byte header of an NES image says about its file.
struct NesHeader {
    bool marked = false;                 // starts with "NES" and the end-of-file mark
    std::optional<qint64> declaredSize;  // header, trainer and the banks announced; none when it announces none
};

// Reads the header of the file's bytes; an unmarked file declares nothing.
NesHeader ReadNesHeader(const QByteArray& bytes);

} // namespace quindaro2
