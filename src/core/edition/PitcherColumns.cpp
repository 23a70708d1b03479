#include "core/edition/ColumnTables.h"

namespace quindaro2::columns {

using namespace rules;

namespace {

QString TypeHint()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("ColumnHint", "(8-10)\r（他の値でも動作可能)"));
}

} // namespace

// The three speeds run slow to fast, stored as four thirds; 1986 and 1987
// scale the earned-run average apart.
std::vector<ColumnDescriptor> PitchersOf1986(const NumberRule& earnedRuns, int earnedRunsMaximum)
{
    return {
        Name(),
        List(QStringLiteral("投　法"), ColumnKind::PitchingForm, 5, choices::FormsOf1986()),
        Number(QStringLiteral("防御率"), ColumnKind::EarnedRunAverage, 6, earnedRuns, {0, earnedRunsMaximum, 5}),
        Number(QStringLiteral("球速（遅）"), ColumnKind::SlowSpeed, 7, ThreeQuarters, {60, 190, 1}),
        Number(QStringLiteral("球速（平）"), ColumnKind::AverageSpeed, 8, ThreeQuarters, {60, 190, 1}),
        Number(QStringLiteral("球速（速）"), ColumnKind::FastSpeed, 9, ThreeQuarters, {60, 190, 1}),
        Number(QStringLiteral("スタミナ"), ColumnKind::Stamina, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("右変化"), ColumnKind::RightBreak, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), ColumnKind::LeftBreak, 11, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), ColumnKind::Fork, 12, Plain, {0, 99, 1}),
    };
}

std::vector<ColumnDescriptor> PitchersOf1988(const ChoiceList& forms, int staminaMaximum)
{
    return {
        Name(),
        List(QStringLiteral("投　法"), ColumnKind::PitchingForm, 6, forms),
        Number(QStringLiteral("防御率"), ColumnKind::EarnedRunAverage, 7, Times5, {0, 900, 5}),
        Number(QStringLiteral("球速（遅）"), ColumnKind::SlowSpeed, 8, Plain, {60, 190, 1}),
        Number(QStringLiteral("球速（平）"), ColumnKind::AverageSpeed, 9, Plain, {60, 190, 1}),
        Number(QStringLiteral("球速（速）"), ColumnKind::FastSpeed, 10, Plain, {60, 190, 1}),
        Number(QStringLiteral("スタミナ"), ColumnKind::Stamina, 14, Plain, {0, staminaMaximum, 1}),
        Number(QStringLiteral("右変化"), ColumnKind::RightBreak, 11, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), ColumnKind::LeftBreak, 12, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), ColumnKind::Fork, 13, Plain, {0, 99, 1}),
    };
}

// The speeds run fast to slow; byte 7 holds the type.
std::vector<ColumnDescriptor> PitchersOf1991()
{
    const ValueRange speed{60, 255, 1};
    return {
        Name(),
        List(QStringLiteral("投　法"), ColumnKind::PitchingForm, 6, choices::FormsOf1991()),
        Number(QStringLiteral("防御率"), ColumnKind::EarnedRunAverage, 8, Times10, {0, 900, 5}),
        Number(QStringLiteral("球速（速）"), ColumnKind::FastSpeed, 10, Plain, speed),
        Number(QStringLiteral("球速（平）"), ColumnKind::AverageSpeed, 11, Plain, speed),
        Number(QStringLiteral("球速（遅）"), ColumnKind::SlowSpeed, 12, Plain, speed),
        Number(QStringLiteral("スタミナ"), ColumnKind::Stamina, 9, Plain, {0, 90, 1}),
        Number(QStringLiteral("右変化"), ColumnKind::RightBreak, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), ColumnKind::LeftBreak, 14, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), ColumnKind::Fork, 15, Plain, {0, 99, 1}),
        Number(QStringLiteral("タイプ"), ColumnKind::Type, 7, Plain, {0, 15, 1}, TypeHint()),
    };
}

// Byte 7 holds the popularity.
std::vector<ColumnDescriptor> PitchersOf1992()
{
    const ValueRange speed{60, 190, 1};
    return {
        Name(),
        List(QStringLiteral("投　法"), ColumnKind::PitchingForm, 6, choices::FormsOf1992()),
        Number(QStringLiteral("防御率"), ColumnKind::EarnedRunAverage, 8, Times10, {0, 900, 5}),
        Number(QStringLiteral("球速（速）"), ColumnKind::FastSpeed, 10, Plain, speed),
        Number(QStringLiteral("球速（平）"), ColumnKind::AverageSpeed, 11, Plain, speed),
        Number(QStringLiteral("球速（遅）"), ColumnKind::SlowSpeed, 12, Plain, speed),
        Number(QStringLiteral("スタミナ"), ColumnKind::Stamina, 9, Plain, {0, 90, 1}),
        Number(QStringLiteral("右変化"), ColumnKind::RightBreak, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), ColumnKind::LeftBreak, 14, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), ColumnKind::Fork, 15, Plain, {0, 99, 1}),
        Number(QStringLiteral("人気"), ColumnKind::Popularity, 7, HighNibble, {0, 10, 1}),
    };
}

// Two speeds, fast then slow.
std::vector<ColumnDescriptor> PitchersOf1993()
{
    return {
        Name(),
        List(QStringLiteral("投　法"), ColumnKind::PitchingForm, 7, choices::FormsOf1993()),
        Number(QStringLiteral("防御率"), ColumnKind::EarnedRunAverage, 9, Times10, {0, 900, 5}),
        Number(QStringLiteral("球速（速）"), ColumnKind::FastSpeed, 11, Plain, {60, 190, 1}),
        Number(QStringLiteral("球速（遅）"), ColumnKind::SlowSpeed, 12, Plain, {60, 190, 1}),
        Number(QStringLiteral("スタミナ"), ColumnKind::Stamina, 10, Plain, {0, 90, 1}),
        Number(QStringLiteral("右変化"), ColumnKind::RightBreak, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), ColumnKind::LeftBreak, 14, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), ColumnKind::Fork, 15, Plain, {0, 99, 1}),
        Number(QStringLiteral("背番号"), ColumnKind::UniformNumber, 17, Plain, {0, 109, 1}, UniformNumberHint()),
        Number(QStringLiteral("ユニフォーム"), ColumnKind::Uniform, 16, Plain, {0, 15, 1}),
    };
}

} // namespace quindaro2::columns
