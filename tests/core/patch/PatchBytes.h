#pragma once

#include "support/QtPrinters.h"

#include <QByteArray>

#include <algorithm>
#include <random>
#include <vector>

namespace quindaro2::test {

struct Fill {
    qsizetype offset;
    int value;
    qsizetype count;
};

// Zero bytes with the fills written over them.
inline QByteArray Filled(qsizetype size, const std::vector<Fill>& fills = {})
{
    QByteArray bytes(size, '\0');
    for (const Fill& fill : fills)
        bytes.replace(fill.offset, fill.count, QByteArray(fill.count, static_cast<char>(fill.value)));
    return bytes;
}

inline QByteArray RandomBytes(std::mt19937& rng, qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(rng() & 0xFF);
    return bytes;
}

// The original cut or extended to `size`, with scattered single bytes, runs and blocks changed.
inline QByteArray RandomlyEdited(std::mt19937& rng, const QByteArray& original, qsizetype size, int edits)
{
    QByteArray bytes = original.left(size) + RandomBytes(rng, size - std::min(size, original.size()));
    for (int i = 0; i < edits && size > 0; ++i) {
        const qsizetype at = static_cast<qsizetype>(rng() % static_cast<quint32>(size));
        const qsizetype length = std::min<qsizetype>(size - at, 1 + rng() % 300);
        switch (rng() % 3) {
        case 0: bytes[at] = static_cast<char>(bytes[at] ^ 0x5A); break;
        case 1: bytes.replace(at, length, QByteArray(length, static_cast<char>(rng()))); break;
        default: bytes.replace(at, length, RandomBytes(rng, length)); break;
        }
    }
    return bytes;
}

} // namespace quindaro2::test
