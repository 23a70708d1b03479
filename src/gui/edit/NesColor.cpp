#include "gui/edit/NesColor.h"

#include "core/edit/NesPalette.h"

namespace quindaro2 {

QColor NesColor(int code)
{
    return QColor::fromRgb(static_cast<QRgb>(NesPalette(code)));
}

} // namespace quindaro2
