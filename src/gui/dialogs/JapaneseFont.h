#pragma once

#include <QFont>

namespace quindaro2 {

// The font of every window: the first installed of the Japanese proportional
// gothic families, then whatever the system offers for Japanese text.
QFont JapaneseFont(int pixelSize = 12);

} // namespace quindaro2
