#include "core/roster/ColumnTables.h"

#include <vector>

namespace quindaro2 {

using namespace columns;
using namespace rules;

namespace {

// 1993 and 1994: the manager record has the shape of an 18-byte player record.
// His position is always 11; the arrows of its dialog do not move.
std::vector<ColumnDescriptor> Table1993()
{
    return {
        Name(),
        Number(QStringLiteral("守備位置"), kPositionKind, 8, Plain, {11, 11, 0}, PositionHint()),
        Number(QStringLiteral("背番号"), 2048, 17, Plain, {0, 109, 1}, UniformNumberHint()),
        Number(QStringLiteral("ユニフォーム"), 4096, 16, Plain, {0, 15, 1}),
    };
}

} // namespace

std::span<const ColumnDescriptor> ManagerColumns(int edition)
{
    static const std::vector<ColumnDescriptor> table = Table1993();
    if (edition < 1993)
        return {};
    return table;
}

} // namespace quindaro2
