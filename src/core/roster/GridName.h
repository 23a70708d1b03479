#pragma once

#include "core/edition/EditionLayout.h"

#include <QString>

namespace quindaro2 {

// The name of a grid as its tab and its messages show it.
inline QString GridName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Batter: return QStringLiteral("バッター");
    case RecordKind::Pitcher: return QStringLiteral("ピッチャー");
    case RecordKind::Manager: return QStringLiteral("監督");
    }
    return {};
}

} // namespace quindaro2
