#pragma once

#include <cstdint>

namespace quindaro2 {

inline constexpr int kNesPaletteSize = 64;

// The screen colour (0xRRGGBB) of a colour code, index = 16 x row + column.
// A code read from the ROM can be 64 or more; it shows as a neutral grey.
std::uint32_t NesPalette(int code);

// The grey of a code outside the palette.
inline constexpr std::uint32_t kOutsidePaletteColor = 0x808080;

} // namespace quindaro2
