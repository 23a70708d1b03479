#include "core/patch/Patch.h"

#include "core/patch/BpsPatch.h"
#include "core/patch/IpsPatch.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Patch)
};

} // namespace

std::optional<PatchKind> PatchKindOfFileName(const QString& name)
{
    if (name.endsWith(QStringLiteral(".ips"), Qt::CaseInsensitive))
        return PatchKind::Ips;
    if (name.endsWith(QStringLiteral(".bps"), Qt::CaseInsensitive))
        return PatchKind::Bps;
    return std::nullopt;
}

std::optional<PatchKind> PatchKindOfBytes(const QByteArray& patch)
{
    if (patch.startsWith("PATCH"))
        return PatchKind::Ips;
    if (patch.startsWith("BPS1"))
        return PatchKind::Bps;
    return std::nullopt;
}

Result<QByteArray> CreatePatch(PatchKind kind, const QByteArray& original, const QByteArray& modified)
{
    return kind == PatchKind::Ips ? CreateIpsPatch(original, modified) : CreateBpsPatch(original, modified);
}

Result<AppliedPatch> ApplyPatch(const QByteArray& rom, const QByteArray& patch)
{
    const auto applied = [](Result<QByteArray> target, PatchKind kind, bool verified) -> Result<AppliedPatch> {
        if (!target)
            return Result<AppliedPatch>::Failed(target.reason());
        return AppliedPatch{std::move(target).value(), kind, verified};
    };
    const std::optional<PatchKind> kind = PatchKindOfBytes(patch);
    if (!kind)
        return Result<AppliedPatch>::Failed(Text::tr("パッチの形式が分かりません（IPS でも BPS でもありません）"));
    if (*kind == PatchKind::Ips)
        return applied(ApplyIpsPatch(rom, patch), PatchKind::Ips, false);
    return applied(ApplyBpsPatch(rom, patch), PatchKind::Bps, true);
}

} // namespace quindaro2
