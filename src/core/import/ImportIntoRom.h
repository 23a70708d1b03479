#pragma once

#include "core/import/PlayerImport.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quindaro2 {

struct [[nodiscard]] ImportRun {
    enum class Outcome {
        Written,    // the target holds the new image
        Unchanged,  // the texts change nothing in the ROM, which was left alone
        Declined,   // the confirmation said no
        Refused,    // the problems say what; nothing was written
        Failed,     // a file could not be read or written: see error
    };

    Outcome outcome = Outcome::Failed;
    QString error;
    PlayerImport import;
};

// Asked with what the import would change, before anything is written: true to write.
using ImportConfirmation = std::function<bool(const PlayerImport&)>;

// Imports the texts into the ROM file and writes the new image into
// `target`: the ROM itself, or a copy. The texts are read first; the ROM is
// held under its lock from being read until the target is written, so no
// other writer's save falls between. Nothing is written when a file cannot
// be read, anything is refused, or the confirmation says no. When the texts
// change nothing, the ROM is not rewritten; a copy is written all the same.
ImportRun ImportIntoRomFile(const QString& romPath, int edition, const QStringList& textPaths, const QString& target,
                            const ImportConfirmation& confirm);

} // namespace quindaro2
