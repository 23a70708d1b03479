#pragma once

#include "core/file/Descriptor.h"
#include "core/rom/Result.h"
#include "core/rom/RomImage.h"

#include <QString>

#include <chrono>

namespace quindaro2 {

// No edition's ROM comes near this; a larger file is refused before it is read.
inline constexpr qint64 kLargestRom = 16 * 1024 * 1024;

// How long a reader or writer waits for another program that holds the ROM.
inline constexpr std::chrono::milliseconds kLockWait{10000};

// A ROM file opened once and held under a lock: shared for reading, exclusive
// for a read-modify-write that lasts until the new image has replaced the
// file, so that two writers never both save edits made to the same old bytes.
// Only a regular file of at most kLargestRom bytes is opened; anything else
// (a FIFO, a device, a folder) is refused at once, without reading.
class LockedRom {
public:
    enum class Access { Read, Update };

    static Result<LockedRom> Open(const QString& path, Access access, std::chrono::milliseconds wait = kLockWait);

    // The whole file as it was read under the lock.
    const RomImage& image() const { return image_; }

private:
    LockedRom(Descriptor descriptor, RomImage image);

    Descriptor descriptor_;  // held open: closing it releases the lock
    RomImage image_;
};

// Whether the path names a file that may be read as a ROM, told without
// reading it: a regular file of at most kLargestRom bytes; otherwise why not,
// as LockedRom::Open would say.
Status CheckRomFile(const QString& path);

// Reads the whole file once, under a shared lock.
Result<RomImage> ReadRomFile(const QString& path);

// Reads another regular file of at most `largest` bytes (a patch, or a ROM a
// patch is made from) once, under a shared lock; anything else is refused
// before reading.
Result<QByteArray> ReadWholeFile(const QString& path, qint64 largest);

} // namespace quindaro2
