#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace quindaro2 {

enum class PatchKind { Ips, Bps };

// The kind a file name asks for by its extension (".ips", ".bps", any case).
std::optional<PatchKind> PatchKindOfFileName(const QString& name);

// The kind a patch's first bytes mark it as; none for neither.
std::optional<PatchKind> PatchKindOfBytes(const QByteArray& patch);

Result<QByteArray> CreatePatch(PatchKind kind, const QByteArray& original, const QByteArray& modified);

struct AppliedPatch {
    QByteArray target;
    PatchKind kind;
    // False for IPS, which carries nothing to check the ROM or the result against.
    bool verified;
};

// The kind is read from the patch's first bytes, whatever its file is called.
Result<AppliedPatch> ApplyPatch(const QByteArray& rom, const QByteArray& patch);

} // namespace quindaro2
