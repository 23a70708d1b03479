#pragma once

#include "core/rom/Result.h"

#include <QByteArray>

namespace quindaro2 {

// BPS: actions that build the modified file from the original, checked by the
// CRC-32 of the original, the result and the patch itself.
Result<QByteArray> CreateBpsPatch(const QByteArray& original, const QByteArray& modified);

// Refuses a patch made for another file, a cut or damaged patch, and a result
// over 64 MiB.
Result<QByteArray> ApplyBpsPatch(const QByteArray& rom, const QByteArray& patch);

} // namespace quindaro2
