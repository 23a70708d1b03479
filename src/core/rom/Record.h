#pragma once

#include "core/edition/EditionLayout.h"

#include <array>
#include <cstdint>

namespace quindaro2 {

// The bytes of one batter, pitcher or manager record exactly as stored.
struct Record {
    std::array<std::uint8_t, kMaxRecordSize> bytes{};
    int size = 0;

    std::uint8_t& operator[](int i) { return bytes[static_cast<std::size_t>(i)]; }
    std::uint8_t operator[](int i) const { return bytes[static_cast<std::size_t>(i)]; }
};

} // namespace quindaro2
