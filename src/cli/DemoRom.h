#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>

#include <random>

namespace quindaro2::cli {

// Size of a sample image: the 16-byte header and 256 KiB of program data.
inline constexpr qint64 kDemoRomSize = 0x40010;

// An invented name that the edition can store, of two characters up to the
// edition's name length.
QString InventedName(int edition, std::mt19937& random);

// A sample ROM image of the edition for trying the editor: every team filled
// with invented players whose every shown value is one the edit dialogs
// accept, stored through the same encoders as a save, and two pickable team
// colours. Nothing in it comes from a real game. The same edition always gives
// the same image.
QByteArray DemoRomImage(int edition);

// Writes the sample image into a new file; an existing file is never replaced.
Status WriteDemoRom(const QString& path, int edition);

} // namespace quindaro2::cli
