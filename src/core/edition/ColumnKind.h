#pragma once

namespace quindaro2 {

// The field a grid column holds. A kind means the same field in every grid
// and edition that has it; how it is stored and edited is the column's own.
enum class ColumnKind {
    Name,
    BattingSide,       // list
    PitchingForm,      // list
    BattingAverage,    // batters
    HomeRuns,
    ShownAverage,
    ShownHomeRuns,
    Running,
    Position,          // batters and the manager
    Fielding,
    Arm,
    EarnedRunAverage,  // pitchers
    FastSpeed,
    AverageSpeed,
    SlowSpeed,
    Stamina,
    RightBreak,
    LeftBreak,
    Fork,
    Popularity,        // 1992: the high four bits of the byte the 1991 type uses
    Type,              // 1991: the grid shows the high four bits of its byte
    UniformNumber,     // 1993 on
    Uniform,
};

} // namespace quindaro2
