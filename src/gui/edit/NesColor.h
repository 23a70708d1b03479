#pragma once

#include <QColor>

namespace quindaro2 {

// The screen colour of a colour code; codes outside the palette show grey.
QColor NesColor(int code);

} // namespace quindaro2
