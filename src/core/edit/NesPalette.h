#pragma once

#include <QString>

#include <cstdint>

namespace quindaro2 {

inline constexpr int kNesPaletteSize = 64;

// The screen colour (0xRRGGBB) of a colour code, index = 16 x row + column.
// A code read from the ROM can be 64 or more; it shows as a neutral grey.
std::uint32_t NesPalette(int code);

// A colour code as the editor and the tool show it: "0x0F".
QString ColorCodeText(int code);

} // namespace quindaro2
