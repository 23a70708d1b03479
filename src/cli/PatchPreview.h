#pragma once

#include "cli/OutputFormat.h"
#include "core/patch/ByteChanges.h"
#include "core/patch/Patch.h"
#include "core/rom/Result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <optional>
#include <vector>

namespace quindaro2::cli {

// What applying a patch to a ROM would do, worked out in memory.
struct PatchPreview {
    std::optional<PatchKind> kind;  // as the patch's first bytes say; none for neither
    QByteArray rom;
    std::optional<AppliedPatch> applied;  // none: the patch does not fit the ROM
    QString refusal;                      // why not, as the user reads it
    std::vector<ByteChange> changes;

    static PatchPreview Of(const QByteArray& rom, const QByteArray& patch);
};

// {"kind", "fits", "verified", "rom", "result", "changes"}.
QJsonObject PatchPreviewJson(const PatchPreview& preview);

// The changed runs: offset, length, before, after.
CsvTable PatchPreviewCsv(const PatchPreview& preview);

// For people, of a patch that fits: how sure that is, the count of changes,
// then one line per run with its first bytes.
QStringList PatchPreviewLines(const PatchPreview& preview);

} // namespace quindaro2::cli
