#pragma once

#include <QByteArray>
#include <QStringView>

#include <cstddef>
#include <optional>
#include <span>

namespace quindaro2 {

// One character and its windows-31j bytes: one byte below 0x100, else the
// lead byte in the high half.
struct ShiftJisEntry {
    char16_t character;
    quint16 bytes;
};

// Every character the converter encodes, in order, made at build time.
std::span<const ShiftJisEntry> ShiftJisEntries();

// The text in windows-31j as the converter gives it; none when a character
// is not in the table, so that the caller asks the converter.
std::optional<QByteArray> EncodeShiftJis(QStringView text);

} // namespace quindaro2
