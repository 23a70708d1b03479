#include "core/edition/NumberRules.h"

#include <algorithm>

namespace quindaro2::rules {

namespace {

using Value = std::int64_t;

int At(const Record& record, int byte)
{
    return record[byte];
}

void Store(Record& record, int byte, Value value)
{
    record[byte] = static_cast<std::uint8_t>(value & 0xFF);
}

int DecodeActualAverage(const Record& record, int byte)
{
    const int b = At(record, byte);
    return b % 2 == 0 ? 348 - 3 * b : 349 - 3 * b;
}

// Stores the largest value of the form 6k or 6k + 4 that is not above v.
void StoreActualAverage(Record& record, int byte, Value v)
{
    if (v % 6 == 0)
        Store(record, byte, 116 - v / 3);
    else if (v % 6 == 2)
        Store(record, byte, (2 - v) / 3 + 116);
    else
        Store(record, byte, (1 - v) / 3 + 116);
}

// Home runs kept in two bytes: byte + 1 selects the scale of byte; one scale
// counts in thirds above 20.
int DecodeHomeRuns(const Record& record, int byte, bool thirdsAbove20)
{
    const int b = At(record, byte);
    if (At(record, byte + 1) == 2)
        return (b - 160) / 6;
    if (thirdsAbove20 && b > 18)
        return (b - 24) / 3 + 20;
    return b / 6 + 16;
}

void StoreHomeRuns(Record& record, int byte, Value v, bool thirdsAbove20)
{
    if (v <= 15) {
        Store(record, byte, 6 * v + 160);
        Store(record, byte + 1, 2);
    } else if (!thirdsAbove20 || v <= 20) {
        Store(record, byte, 6 * (v - 16));
        Store(record, byte + 1, 3);
    } else {
        Store(record, byte, 3 * (v - 20) + 24);
        Store(record, byte + 1, 3);
    }
}

} // namespace

const NumberRule Plain{
    [](const Record& r, int byte) { return At(r, byte); },
    [](Record& r, int byte, Value v) { Store(r, byte, v); },
};

const NumberRule From150{
    [](const Record& r, int byte) { return At(r, byte) + 150; },
    [](Record& r, int byte, Value v) { Store(r, byte, std::clamp<Value>(v, 150, 405) - 150); },
};

const NumberRule TwiceFrom150{
    [](const Record& r, int byte) { return 2 * At(r, byte) + 150; },
    [](Record& r, int byte, Value v) { Store(r, byte, (v - 150) / 2); },
};

const NumberRule ActualAverage{
    DecodeActualAverage,
    [](Record& r, int byte, Value v) { StoreActualAverage(r, byte, std::min<Value>(v, 348)); },
};

const NumberRule ActualAverageEven{
    DecodeActualAverage,
    [](Record& r, int byte, Value v) {
        v = std::min<Value>(v, 348);
        StoreActualAverage(r, byte, v - v % 2);
    },
};

const NumberRule HomeRuns1986{
    [](const Record& r, int byte) { return DecodeHomeRuns(r, byte, false); },
    [](Record& r, int byte, Value v) { StoreHomeRuns(r, byte, std::min<Value>(v, 48), false); },
};

const NumberRule HomeRuns1987{
    [](const Record& r, int byte) { return DecodeHomeRuns(r, byte, true); },
    [](Record& r, int byte, Value v) { StoreHomeRuns(r, byte, std::min<Value>(v, 60), true); },
};

const NumberRule HomeRunsFrom196{
    [](const Record& r, int byte) { return At(r, byte) - 196; },
    [](Record& r, int byte, Value v) { Store(r, byte, std::min<Value>(v, 59) + 196); },
};

const NumberRule HomeRunsTwiceFrom216{
    [](const Record& r, int byte) { return 2 * (At(r, byte) - 216); },
    [](Record& r, int byte, Value v) { Store(r, byte, v / 2 + 216); },
};

const NumberRule RunFrom112{
    [](const Record& r, int byte) { return (At(r, byte) - 112) / 2; },
    [](Record& r, int byte, Value v) { Store(r, byte, 2 * v + 112); },
};

const NumberRule LowNibble{
    [](const Record& r, int byte) { return At(r, byte) & 0x0F; },
    [](Record& r, int byte, Value v) { Store(r, byte, (At(r, byte) & 0xF0) | v); },
};

const NumberRule HighNibble{
    [](const Record& r, int byte) { return At(r, byte) >> 4; },
    [](Record& r, int byte, Value v) { Store(r, byte, (16 * v) | (At(r, byte) & 0x0F)); },
};

const NumberRule Times10{
    [](const Record& r, int byte) { return 10 * At(r, byte); },
    [](Record& r, int byte, Value v) { Store(r, byte, v / 10); },
};

const NumberRule Times5{
    [](const Record& r, int byte) { return 5 * At(r, byte); },
    [](Record& r, int byte, Value v) { Store(r, byte, v / 5); },
};

const NumberRule Times4{
    [](const Record& r, int byte) { return 4 * At(r, byte); },
    [](Record& r, int byte, Value v) { Store(r, byte, v / 4); },
};

// The exact inverse of the reading for every value: v + v / 3 for v >= 0.
const NumberRule ThreeQuarters{
    [](const Record& r, int byte) { return (3 * At(r, byte) + 2) / 4; },
    [](Record& r, int byte, Value v) {
        if (v % 3 == 0)
            Store(r, byte, 4 * v / 3);
        else if (v % 3 == 1)
            Store(r, byte, (4 * v - 1) / 3);
        else
            Store(r, byte, (4 * v - 2) / 3);
    },
};

} // namespace quindaro2::rules
