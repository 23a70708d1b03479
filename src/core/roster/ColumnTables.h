#pragma once

#include "core/roster/ColumnTable.h"

// The per-edition column tables behind Columns(); one table per edition and grid.
namespace quindaro2 {

std::span<const ColumnDescriptor> BatterColumns(int edition);
std::span<const ColumnDescriptor> PitcherColumns(int edition);
std::span<const ColumnDescriptor> ManagerColumns(int edition);

namespace columns {

inline ColumnDescriptor Name()
{
    return {QStringLiteral("名　前　　"), kNameKind, 1, nullptr, nullptr, std::nullopt, QString()};
}

inline ColumnDescriptor List(QString header, int byte, const ChoiceList& choices)
{
    return {std::move(header), kListKind, byte, nullptr, &choices, std::nullopt, QString()};
}

inline ColumnDescriptor Number(QString header, ColumnKind kind, int byte, const NumberRule& rule, ValueRange range,
                               QString hint = BlankHint())
{
    return {std::move(header), kind, byte, &rule, nullptr, range, std::move(hint)};
}

inline QString PositionHint()
{
    return QStringLiteral("(10=DH,11=監督)");
}

inline QString UniformNumberHint()
{
    return QStringLiteral("(101以降は下二桁のみ反映)");
}

} // namespace columns

} // namespace quindaro2
