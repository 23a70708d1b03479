#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <random>

namespace quindaro2 {

// Size of a sample image: the 16-byte header and 256 KiB of program data.
inline constexpr qint64 kDemoRomSize = 0x40010;

// What a sample image holds besides its rosters. By default every other byte
// is zero and there is no trainer. A real ROM holds program code there, so
// the bytes outside the edition's records and colours can be random instead,
// drawn from `seed`, which also varies the invented players. An image with a
// trainer is 512 bytes longer and keeps its data where a trainer moves it.
struct DemoFill {
    std::uint32_t seed = 0;
    bool randomFiller = false;
    bool trainer = false;
};

// An invented name that the edition can store, of two characters up to the
// edition's name length.
QString InventedName(int edition, std::mt19937& random);

// A sample ROM image of the edition for trying the editor: every team filled
// with invented players whose every shown value is one the edit dialogs
// accept, stored through the same encoders as a save, and two pickable team
// colours. Nothing in it comes from a real game. The same edition and fill
// always give the same image.
QByteArray DemoRomImage(int edition, const DemoFill& fill = {});

// Writes the sample image into a new file; an existing file is never replaced.
Status WriteDemoRom(const QString& path, int edition, const DemoFill& fill = {});

} // namespace quindaro2
