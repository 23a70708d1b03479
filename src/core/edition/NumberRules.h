#pragma once

#include "core/rom/Record.h"

#include <cstdint>

namespace quindaro2 {

// How a number column turns stored bytes into the value shown and back.
// Arithmetic is on whole numbers: division truncates toward zero, the
// remainder takes the sign of the dividend, and a byte keeps the low 8 bits of
// the computed number. Only the clamps named in a rule limit values. Values are
// 32-bit; the rules compute in 64 bits, so no product of a value overflows.
struct NumberRule {
    int (*decode)(const Record& record, int byte);
    void (*encode)(Record& record, int byte, std::int64_t value);
};

namespace rules {

extern const NumberRule Plain;                 // b
extern const NumberRule From150;               // b + 150, stored clamped to 150..405
extern const NumberRule TwiceFrom150;          // 2b + 150
extern const NumberRule ActualAverage;         // 348 - 3b (even b) or 349 - 3b (odd b); at most 348
extern const NumberRule ActualAverageEven;     // the same, the value first cut to an even number
extern const NumberRule HomeRuns1986;          // bytes b and b + 1; at most 48
extern const NumberRule HomeRuns1987;          // bytes b and b + 1; at most 60
extern const NumberRule HomeRunsFrom196;       // b - 196; at most 59, so that the byte never wraps
extern const NumberRule HomeRunsTwiceFrom216;  // 2(b - 216)
extern const NumberRule RunFrom112;            // (b - 112) / 2
extern const NumberRule LowNibble;             // b & 0x0F
extern const NumberRule HighNibble;            // b >> 4, the low four bits kept
extern const NumberRule Times10;               // 10b
extern const NumberRule Times5;                // 5b
extern const NumberRule Times4;                // 4b
extern const NumberRule ThreeQuarters;         // (3b + 2) / 4, rounded half up

} // namespace rules

} // namespace quindaro2
