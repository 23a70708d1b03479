#include "core/edition/ColumnTables.h"

namespace quindaro2::columns {

using namespace rules;

// The manager record has the shape of an 18-byte player record. His position
// is always 11; the arrows of its dialog do not move.
std::vector<ColumnDescriptor> ManagersOf1993()
{
    return {
        Name(),
        Number(QStringLiteral("守備位置"), ColumnKind::Position, 8, Plain, {11, 11, 0}, PositionHint()),
        Number(QStringLiteral("背番号"), ColumnKind::UniformNumber, 17, Plain, {0, 109, 1}, UniformNumberHint()),
        Number(QStringLiteral("ユニフォーム"), ColumnKind::Uniform, 16, Plain, {0, 15, 1}),
    };
}

} // namespace quindaro2::columns
