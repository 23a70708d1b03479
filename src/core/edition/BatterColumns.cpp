#include "core/edition/ColumnTables.h"

namespace quindaro2::columns {

using namespace rules;

namespace {

QString TypeHint()
{
    return QString::fromUtf8(QT_TRANSLATE_NOOP("ColumnHint", "(内野手:1-3　外野手:4-6　捕手:7\r)（他の値でも動作可能)"));
}

} // namespace

// 16-byte records, four name characters; 1986 and 1987 scale home runs apart.
std::vector<ColumnDescriptor> BattersOf1986(const NumberRule& homeRuns)
{
    return {
        Name(),
        List(QStringLiteral("打　席"), ColumnKind::BattingSide, 5, choices::SidesOf1986()),
        Number(QStringLiteral("実打率"), ColumnKind::BattingAverage, 8, ActualAverage, {150, 348, 2}),
        Number(QStringLiteral("実本塁打"), ColumnKind::HomeRuns, 9, homeRuns, {0, 62, 1}),
        Number(QStringLiteral("走力"), ColumnKind::Running, 11, RunFrom112, {0, 70, 1}),
        Number(QStringLiteral("表示打率"), ColumnKind::ShownAverage, 6, From150, {150, 400, 2}),
        Number(QStringLiteral("表示本塁打"), ColumnKind::ShownHomeRuns, 7, Plain, {0, 99, 1}),
    };
}

// 12-byte records. 60 home runs would not fit the byte (60 + 196 wraps to 0),
// so these stop at 59.
std::vector<ColumnDescriptor> BattersOf1988(const ChoiceList& sides)
{
    return {
        Name(),
        List(QStringLiteral("打　席"), ColumnKind::BattingSide, 6, sides),
        Number(QStringLiteral("実打率"), ColumnKind::BattingAverage, 9, ActualAverageEven, {150, 348, 2}),
        Number(QStringLiteral("実本塁打"), ColumnKind::HomeRuns, 10, HomeRunsFrom196, {0, 59, 1}),
        Number(QStringLiteral("走力"), ColumnKind::Running, 11, RunFrom112, {0, 70, 1}),
        Number(QStringLiteral("表示打率"), ColumnKind::ShownAverage, 7, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("表示本塁打"), ColumnKind::ShownHomeRuns, 8, Plain, {0, 99, 1}),
    };
}

std::vector<ColumnDescriptor> BattersOf1990()
{
    return {
        Name(),
        List(QStringLiteral("打　席"), ColumnKind::BattingSide, 6, choices::SidesOf1990()),
        Number(QStringLiteral("実打率"), ColumnKind::BattingAverage, 9, ActualAverageEven, {150, 348, 2}),
        Number(QStringLiteral("実本塁打"), ColumnKind::HomeRuns, 10, HomeRunsTwiceFrom216, {0, 60, 1}),
        Number(QStringLiteral("走力"), ColumnKind::Running, 11, RunFrom112, {0, 70, 1}),
        Number(QStringLiteral("表示打率"), ColumnKind::ShownAverage, 7, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("表示本塁打"), ColumnKind::ShownHomeRuns, 8, Plain, {0, 78, 1}),
    };
}

// 13-byte records; byte 7 holds the fielding position and the type.
std::vector<ColumnDescriptor> BattersOf1991()
{
    return {
        Name(),
        List(QStringLiteral("打　席"), ColumnKind::BattingSide, 6, choices::SidesOf1990()),
        Number(QStringLiteral("打率"), ColumnKind::BattingAverage, 8, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("本塁打"), ColumnKind::HomeRuns, 9, Plain, {0, 99, 1}),
        Number(QStringLiteral("走力"), ColumnKind::Running, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("守備位置"), ColumnKind::Position, 7, LowNibble, {2, 9, 2}, PositionHint()),
        Number(QStringLiteral("守備力"), ColumnKind::Fielding, 11, Plain, {0, 32, 2}),
        Number(QStringLiteral("肩"), ColumnKind::Arm, 12, Plain, {0, 32, 1}),
        Number(QStringLiteral("タイプ"), ColumnKind::Type, 7, Plain, {0, 15, 1}, TypeHint()),
    };
}

// Byte 7 holds the fielding position and the popularity.
std::vector<ColumnDescriptor> BattersOf1992()
{
    return {
        Name(),
        List(QStringLiteral("打　席"), ColumnKind::BattingSide, 6, choices::SidesOf1990()),
        Number(QStringLiteral("打率"), ColumnKind::BattingAverage, 8, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("本塁打"), ColumnKind::HomeRuns, 9, Plain, {0, 99, 1}),
        Number(QStringLiteral("走力"), ColumnKind::Running, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("守備位置"), ColumnKind::Position, 7, LowNibble, {2, 9, 1}, PositionHint()),
        Number(QStringLiteral("守備力"), ColumnKind::Fielding, 11, Plain, {0, 8, 1}),
        Number(QStringLiteral("肩"), ColumnKind::Arm, 12, Plain, {0, 9, 1}),
        Number(QStringLiteral("人気"), ColumnKind::Popularity, 7, HighNibble, {0, 10, 1}),
    };
}

// 18-byte records.
std::vector<ColumnDescriptor> BattersOf1993()
{
    return {
        Name(),
        List(QStringLiteral("打　席"), ColumnKind::BattingSide, 7, choices::SidesOf1993()),
        Number(QStringLiteral("打率"), ColumnKind::BattingAverage, 9, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("本塁打"), ColumnKind::HomeRuns, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("走力"), ColumnKind::Running, 11, Plain, {0, 99, 1}),
        Number(QStringLiteral("守備位置"), ColumnKind::Position, 8, Plain, {2, 10, 1}, PositionHint()),
        Number(QStringLiteral("守備力"), ColumnKind::Fielding, 12, Plain, {0, 8, 1}),
        Number(QStringLiteral("肩"), ColumnKind::Arm, 13, Plain, {0, 9, 1}),
        Number(QStringLiteral("背番号"), ColumnKind::UniformNumber, 17, Plain, {0, 109, 1}, UniformNumberHint()),
        Number(QStringLiteral("ユニフォーム"), ColumnKind::Uniform, 16, Plain, {0, 15, 1}),
    };
}

} // namespace quindaro2::columns
