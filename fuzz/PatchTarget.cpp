#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "core/patch/Patch.h"

namespace quindaro2::fuzz {

// Two properties of the patches: any patch bytes applied to any ROM either
// fail with a reason or give a result (never a crash, never unbounded
// memory); and a patch made between two files gives back the second.
int FuzzPatch(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t flags = input.byte();
    const QByteArray rom = input.bytes(input.uint16() % 4096);
    const QByteArray other = input.bytes(input.uint16() % 4096);
    QByteArray patch = input.rest();
    if ((flags & 1) != 0)
        patch.prepend((flags & 2) != 0 ? QByteArray("BPS1") : QByteArray("PATCH"));

    const Result<AppliedPatch> applied = ApplyPatch(rom, patch);
    Require(applied.ok() || !applied.reason().isEmpty(), "a refused patch says why");

    for (const PatchKind kind : {PatchKind::Ips, PatchKind::Bps}) {
        const Result<QByteArray> made = CreatePatch(kind, rom, other);
        Require(made.ok(), "a patch between two small files can be made", [&] { return made.reason(); });
        const Result<AppliedPatch> back = ApplyPatch(rom, made.value());
        Require(back.ok() && back->target == other, "a made patch gives back the modified file",
                [&] { return back.ok() ? QStringLiteral("other bytes") : back.reason(); });
        Require(back->verified == (kind == PatchKind::Bps), "only BPS patches are verified");
    }
    return 0;
}

} // namespace quindaro2::fuzz
