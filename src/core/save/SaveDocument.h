#pragma once

#include "core/document/RomDocument.h"
#include "core/file/RomFile.h"
#include "core/patch/Patch.h"

#include <QString>

#include <functional>
#include <optional>

namespace quindaro2 {

// Asked when another program changed, in the file, a team that the document
// changed too: true to write the document's changes over it all the same.
using OverwriteQuestion = std::function<bool()>;

struct SaveRequest {
    QString target;                      // the ROM, a copy under another name, or a patch
    std::optional<PatchKind> patch;      // a patch from the file as it is now to the saved bytes
    OverwriteQuestion overwriteChanged;  // none: such a save is declined
};

struct [[nodiscard]] SaveResult {
    QString error;          // empty when the target holds what was saved
    bool declined = false;  // the question said not to overwrite another program's change
    bool refused = false;   // the error is that no patch can carry these bytes, not a file's
    qint64 written = 0;     // bytes written into the target

    bool ok() const { return error.isEmpty() && !declined; }
};

// The one save path of the editor's Save and Save as patch and of the tool's
// set and import. Under the lock of the document's file (`held` when the
// caller holds it already) the file is read afresh; when another program
// changed a team that the document changed, the question decides. Every team
// in which the document differs from the file as it was read goes onto the
// fresh image as the document holds it, so other teams keep what the file
// holds now, and the result
// replaces the target through the file layer, or a patch from the fresh
// image to it is written; a patch that would change nothing is refused.
// Whatever fails, the target keeps its old bytes.
// A save that is not a patch makes the target the document's file.
SaveResult SaveDocument(RomDocument& document, const SaveRequest& request, const LockedRom* held = nullptr);

} // namespace quindaro2
