#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace quindaro2 {

// The common CRC-32 (reflected polynomial 0xEDB88320), as patch files store it.
quint32 Crc32(QByteArrayView bytes);

} // namespace quindaro2
