#pragma once

#include "core/document/RomDocument.h"
#include "core/import/PlayerImport.h"
#include "core/patch/Patch.h"
#include "core/save/SaveDocument.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quindaro2 {

struct [[nodiscard]] ImportRun {
    enum class Outcome {
        Written,    // the target holds the new image
        Unchanged,  // the texts change nothing in the ROM, which was left alone
        Declined,   // the confirmation (or the question about another program's change) said no
        Refused,    // the problems say what; nothing was written
        NoEdition,  // the ROM's edition was not known, as its resolver has said; nothing was written
        Failed,     // a file could not be read or written: see error
    };

    Outcome outcome = Outcome::Failed;
    QString error;
    int edition = 0;
    PlayerImport import;
};

// The edition of the ROM, known from the start or only from its image;
// none when no edition can be taken.
using ImportEdition = std::function<std::optional<int>(const RomImage&)>;

// Where the new image goes: the ROM, a copy, or a patch from the ROM as read
// to the new image.
struct ImportTarget {
    QString path;
    std::optional<PatchKind> patch;
    OverwriteQuestion overwriteChanged;  // asked when another program changed an imported team meanwhile
};

// Asked with what the import would change in the ROM of the edition, before
// anything is written: true to write.
using ImportConfirmation = std::function<bool(int edition, const PlayerImport&)>;

// Imports the texts into the document as one step and saves it at once into
// the target through the one save path: the ROM itself, a copy, or a patch.
// The texts are read first; the ROM is held under its lock from being read
// afresh until the target is written, so no other writer's save falls
// between. Nothing is written, and the document is left as it was, when a
// file cannot be read, anything is refused, or the confirmation says no.
// When the texts change nothing, the ROM is not rewritten; a copy or a patch
// is written all the same. The target is never the ROM's patch or a text.
ImportRun ImportIntoDocument(RomDocument& document, const QStringList& textPaths, const ImportTarget& target,
                             const ImportConfirmation& confirm);

// The same for a ROM file that is not open: it is read under its lock, and
// its edition is taken from the image once read.
ImportRun ImportIntoRomFile(const QString& romPath, const ImportEdition& edition, const QStringList& textPaths,
                            const ImportTarget& target, const ImportConfirmation& confirm);

} // namespace quindaro2
