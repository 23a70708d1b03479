#include "core/roster/ColumnTables.h"

#include <vector>

namespace quindaro2 {

using namespace columns;
using namespace rules;

namespace {

QString TypeHint()
{
    return QStringLiteral("(内野手:1-3　外野手:4-6　捕手:7\r)（他の値でも動作可能)");
}

// 1986 and 1987: 16-byte records, four name characters.
std::vector<ColumnDescriptor> Table1986(int edition)
{
    return {
        Name(),
        List(QStringLiteral("打　席"), 5, BattingSides(edition)),
        Number(QStringLiteral("実打率"), 4, 8, ActualAverage, {150, 348, 2}),
        Number(QStringLiteral("実本塁打"), 8, 9, edition == 1986 ? HomeRuns1986 : HomeRuns1987, {0, 62, 1}),
        Number(QStringLiteral("走力"), 64, 11, RunFrom112, {0, 70, 1}),
        Number(QStringLiteral("表示打率"), 16, 6, From150, {150, 400, 2}),
        Number(QStringLiteral("表示本塁打"), 32, 7, Plain, {0, 99, 1}),
    };
}

// 1988 to 1990: 12-byte records. 60 home runs would not fit the 1988 and 1989
// byte (60 + 196 wraps to 0), so those editions stop at 59.
std::vector<ColumnDescriptor> Table1988(int edition)
{
    const bool edition1990 = edition == 1990;
    return {
        Name(),
        List(QStringLiteral("打　席"), 6, BattingSides(edition)),
        Number(QStringLiteral("実打率"), 4, 9, ActualAverageEven, {150, 348, 2}),
        edition1990 ? Number(QStringLiteral("実本塁打"), 8, 10, HomeRunsTwiceFrom216, {0, 60, 1})
                    : Number(QStringLiteral("実本塁打"), 8, 10, HomeRunsFrom196, {0, 59, 1}),
        Number(QStringLiteral("走力"), 64, 11, RunFrom112, {0, 70, 1}),
        Number(QStringLiteral("表示打率"), 16, 7, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("表示本塁打"), 32, 8, Plain, {0, edition1990 ? 78 : 99, 1}),
    };
}

// 1991 and 1992: 13-byte records; byte 7 holds two fields.
std::vector<ColumnDescriptor> Table1991(int edition)
{
    const bool edition1991 = edition == 1991;
    std::vector<ColumnDescriptor> table{
        Name(),
        List(QStringLiteral("打　席"), 6, BattingSides(edition)),
        Number(QStringLiteral("打率"), 4, 8, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("本塁打"), 8, 9, Plain, {0, 99, 1}),
        Number(QStringLiteral("走力"), 64, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("守備位置"), kPositionKind, 7, LowNibble, {2, 9, edition1991 ? 2 : 1}, PositionHint()),
        Number(QStringLiteral("守備力"), 256, 11, Plain, edition1991 ? ValueRange{0, 32, 2} : ValueRange{0, 8, 1}),
        Number(QStringLiteral("肩"), 512, 12, Plain, {0, edition1991 ? 32 : 9, 1}),
    };
    if (edition1991)
        table.push_back(Number(QStringLiteral("タイプ"), kTypeKind, 7, Plain, {0, 15, 1}, TypeHint()));
    else
        table.push_back(Number(QStringLiteral("人気"), 1024, 7, HighNibble, {0, 10, 1}));
    return table;
}

// 1993 and 1994: 18-byte records.
std::vector<ColumnDescriptor> Table1993(int edition)
{
    return {
        Name(),
        List(QStringLiteral("打　席"), 7, BattingSides(edition)),
        Number(QStringLiteral("打率"), 4, 9, TwiceFrom150, {150, 400, 2}),
        Number(QStringLiteral("本塁打"), 8, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("走力"), 64, 11, Plain, {0, 99, 1}),
        Number(QStringLiteral("守備位置"), kPositionKind, 8, Plain, {2, 10, 1}, PositionHint()),
        Number(QStringLiteral("守備力"), 256, 12, Plain, {0, 8, 1}),
        Number(QStringLiteral("肩"), 512, 13, Plain, {0, 9, 1}),
        Number(QStringLiteral("背番号"), 2048, 17, Plain, {0, 109, 1}, UniformNumberHint()),
        Number(QStringLiteral("ユニフォーム"), 4096, 16, Plain, {0, 15, 1}),
    };
}

} // namespace

std::span<const ColumnDescriptor> BatterColumns(int edition)
{
    static const std::vector<ColumnDescriptor> tables[] = {
        Table1986(1986), Table1986(1987), Table1988(1988), Table1988(1989), Table1988(1990),
        Table1991(1991), Table1991(1992), Table1993(1993), Table1993(1994),
    };
    return tables[edition - 1986];
}

} // namespace quindaro2
