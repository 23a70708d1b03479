#include "core/roster/ColumnTables.h"

#include <vector>

namespace quindaro2 {

using namespace columns;
using namespace rules;

namespace {

QString TypeHint()
{
    return QStringLiteral("(8-10)\r（他の値でも動作可能)");
}

// 1986 and 1987: the three speeds run slow to fast, stored as four thirds.
std::vector<ColumnDescriptor> Table1986(int edition)
{
    const bool edition1986 = edition == 1986;
    return {
        Name(),
        List(QStringLiteral("投　法"), 5, PitchingForms(edition)),
        Number(QStringLiteral("防御率"), 4, 6, edition1986 ? Times10 : Times4, {0, edition1986 ? 990 : 900, 5}),
        Number(QStringLiteral("球速（遅）"), 8, 7, ThreeQuarters, {60, 190, 1}),
        Number(QStringLiteral("球速（平）"), 16, 8, ThreeQuarters, {60, 190, 1}),
        Number(QStringLiteral("球速（速）"), 32, 9, ThreeQuarters, {60, 190, 1}),
        Number(QStringLiteral("スタミナ"), 64, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("右変化"), 128, 10, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), 256, 11, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), 512, 12, Plain, {0, 99, 1}),
    };
}

std::vector<ColumnDescriptor> Table1988(int edition)
{
    return {
        Name(),
        List(QStringLiteral("投　法"), 6, PitchingForms(edition)),
        Number(QStringLiteral("防御率"), 4, 7, Times5, {0, 900, 5}),
        Number(QStringLiteral("球速（遅）"), 8, 8, Plain, {60, 190, 1}),
        Number(QStringLiteral("球速（平）"), 16, 9, Plain, {60, 190, 1}),
        Number(QStringLiteral("球速（速）"), 32, 10, Plain, {60, 190, 1}),
        Number(QStringLiteral("スタミナ"), 64, 14, Plain, {0, edition == 1990 ? 90 : 99, 1}),
        Number(QStringLiteral("右変化"), 128, 11, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), 256, 12, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), 512, 13, Plain, {0, 99, 1}),
    };
}

// 1991 and 1992: the speeds run fast to slow; byte 7 holds the type or popularity.
std::vector<ColumnDescriptor> Table1991(int edition)
{
    const bool edition1991 = edition == 1991;
    const ValueRange speed{60, edition1991 ? 255 : 190, 1};
    std::vector<ColumnDescriptor> table{
        Name(),
        List(QStringLiteral("投　法"), 6, PitchingForms(edition)),
        Number(QStringLiteral("防御率"), 4, 8, Times10, {0, 900, 5}),
        Number(QStringLiteral("球速（速）"), 8, 10, Plain, speed),
        Number(QStringLiteral("球速（平）"), 16, 11, Plain, speed),
        Number(QStringLiteral("球速（遅）"), 32, 12, Plain, speed),
        Number(QStringLiteral("スタミナ"), 64, 9, Plain, {0, 90, 1}),
        Number(QStringLiteral("右変化"), 128, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), 256, 14, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), 512, 15, Plain, {0, 99, 1}),
    };
    if (edition1991)
        table.push_back(Number(QStringLiteral("タイプ"), kTypeKind, 7, Plain, {0, 15, 1}, TypeHint()));
    else
        table.push_back(Number(QStringLiteral("人気"), 1024, 7, HighNibble, {0, 10, 1}));
    return table;
}

// 1993 and 1994: two speeds, fast then slow.
std::vector<ColumnDescriptor> Table1993(int edition)
{
    return {
        Name(),
        List(QStringLiteral("投　法"), 7, PitchingForms(edition)),
        Number(QStringLiteral("防御率"), 4, 9, Times10, {0, 900, 5}),
        Number(QStringLiteral("球速（速）"), 8, 11, Plain, {60, 190, 1}),
        Number(QStringLiteral("球速（遅）"), 16, 12, Plain, {60, 190, 1}),
        Number(QStringLiteral("スタミナ"), 64, 10, Plain, {0, 90, 1}),
        Number(QStringLiteral("右変化"), 128, 13, Plain, {0, 99, 1}),
        Number(QStringLiteral("左変化"), 256, 14, Plain, {0, 99, 1}),
        Number(QStringLiteral("フォーク"), 512, 15, Plain, {0, 99, 1}),
        Number(QStringLiteral("背番号"), 2048, 17, Plain, {0, 109, 1}, UniformNumberHint()),
        Number(QStringLiteral("ユニフォーム"), 4096, 16, Plain, {0, 15, 1}),
    };
}

} // namespace

std::span<const ColumnDescriptor> PitcherColumns(int edition)
{
    static const std::vector<ColumnDescriptor> tables[] = {
        Table1986(1986), Table1986(1987), Table1988(1988), Table1988(1989), Table1988(1990),
        Table1991(1991), Table1991(1992), Table1993(1993), Table1993(1994),
    };
    return tables[edition - 1986];
}

} // namespace quindaro2
