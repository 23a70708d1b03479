#pragma once

#include "core/rom/Result.h"

#include <QByteArray>

namespace quindaro2 {

// IPS: records of bytes to write, each at a three-byte offset counted from the
// file's first byte. Nothing in the format identifies the file it was made for,
// so applying one cannot be checked.
Result<QByteArray> CreateIpsPatch(const QByteArray& original, const QByteArray& modified);
Result<QByteArray> ApplyIpsPatch(const QByteArray& rom, const QByteArray& patch);

} // namespace quindaro2
