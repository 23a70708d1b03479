#pragma once

namespace quindaro2 {

// The numbers a value column accepts, and how far the dialog's arrows step.
struct ValueRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;

    bool contains(int value) const { return value >= minimum && value <= maximum; }
    friend bool operator==(const ValueRange&, const ValueRange&) = default;
};

} // namespace quindaro2
