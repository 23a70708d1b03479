#pragma once

#include "core/edition/EditionLayout.h"

#include <QCoreApplication>
#include <QString>

namespace quindaro2 {

// The name of a grid as its tab and its messages show it.
inline QString GridName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Batter: return QCoreApplication::translate("GridName", "バッター");
    case RecordKind::Pitcher: return QCoreApplication::translate("GridName", "ピッチャー");
    case RecordKind::Manager: return QCoreApplication::translate("GridName", "監督");
    }
    return {};
}

} // namespace quindaro2
