#include "core/detect/NesHeader.h"

#include "core/edition/EditionLayout.h"

namespace quindaro2 {

namespace {

constexpr qint64 kProgramBank = 16 * 1024;
constexpr qint64 kCharacterBank = 8 * 1024;

int Byte(const QByteArray& bytes, int i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

} // namespace

NesHeader ReadNesHeader(const QByteArray& bytes)
{
    NesHeader header;
    header.marked = bytes.size() >= kNesHeaderSize && bytes.startsWith(QByteArray("NES\x1A", 4));
    if (!header.marked)
        return header;
    qint64 program = Byte(bytes, 4);
    qint64 character = Byte(bytes, 5);
    // The second version of the format keeps the high bits of both counts in
    // byte 9; its other way of writing a size (high bits all set) is not read.
    if ((Byte(bytes, 7) & 0x0C) == 0x08) {
        const int high = Byte(bytes, 9);
        if ((high & 0x0F) == 0x0F || (high >> 4) == 0x0F)
            return header;
        program += qint64{high & 0x0F} << 8;
        character += qint64{high >> 4} << 8;
    }
    // Some old headers write 0 for 256 banks; an image of no program says nothing.
    if (program == 0)
        return header;
    const qint64 trainer = (Byte(bytes, 6) & 0x04) != 0 ? kTrainerShift : 0;
    header.declaredSize = kNesHeaderSize + trainer + program * kProgramBank + character * kCharacterBank;
    return header;
}

} // namespace quindaro2
