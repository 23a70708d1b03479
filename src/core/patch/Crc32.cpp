#include "core/patch/Crc32.h"

#include <QtEndian>

#include <array>

namespace quindaro2 {

namespace {

using Table = std::array<quint32, 256>;

// Table k gives the CRC of a byte followed by k zero bytes, so eight bytes
// are folded in at once.
constexpr std::array<Table, 8> MakeTables()
{
    std::array<Table, 8> tables{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        tables[0][i] = value;
    }
    for (int k = 1; k < 8; ++k) {
        for (quint32 i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    }
    return tables;
}

constexpr std::array<Table, 8> kTables = MakeTables();

} // namespace

quint32 Crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    const uchar* at = reinterpret_cast<const uchar*>(bytes.data());
    qsizetype left = bytes.size();
    for (; left >= 8; left -= 8, at += 8) {
        const quint32 low = qFromLittleEndian<quint32>(at) ^ crc;
        const quint32 high = qFromLittleEndian<quint32>(at + 4);
        crc = kTables[7][low & 0xFF] ^ kTables[6][(low >> 8) & 0xFF] ^ kTables[5][(low >> 16) & 0xFF] ^
              kTables[4][low >> 24] ^ kTables[3][high & 0xFF] ^ kTables[2][(high >> 8) & 0xFF] ^
              kTables[1][(high >> 16) & 0xFF] ^ kTables[0][high >> 24];
    }
    for (; left > 0; --left, ++at)
        crc = kTables[0][(crc ^ *at) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

} // namespace quindaro2
