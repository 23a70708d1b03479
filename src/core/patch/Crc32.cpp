#include "core/patch/Crc32.h"

#include <QtEndian>

#include <array>

namespace quindaro2 {

namespace {

using Table = std::array<quint32, 256>;

// Table k gives the CRC of a byte followed by k zero bytes, so sixteen bytes
// are folded in at once.
constexpr int kSlices = 16;

constexpr std::array<Table, kSlices> MakeTables()
{
    std::array<Table, kSlices> tables{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        tables[0][i] = value;
    }
    for (int k = 1; k < kSlices; ++k) {
        for (quint32 i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    }
    return tables;
}

constexpr std::array<Table, kSlices> kTables = MakeTables();

// The CRC after folding in four bytes that are followed by `after` more.
quint32 Fold(quint32 word, int after)
{
    return kTables[after + 3][word & 0xFF] ^ kTables[after + 2][(word >> 8) & 0xFF] ^
           kTables[after + 1][(word >> 16) & 0xFF] ^ kTables[after][word >> 24];
}

} // namespace

quint32 Crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    const uchar* at = reinterpret_cast<const uchar*>(bytes.data());
    qsizetype left = bytes.size();
    for (; left >= kSlices; left -= kSlices, at += kSlices) {
        crc = Fold(qFromLittleEndian<quint32>(at) ^ crc, 12) ^ Fold(qFromLittleEndian<quint32>(at + 4), 8) ^
              Fold(qFromLittleEndian<quint32>(at + 8), 4) ^ Fold(qFromLittleEndian<quint32>(at + 12), 0);
    }
    for (; left > 0; --left, ++at)
        crc = kTables[0][(crc ^ *at) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

} // namespace quindaro2
