#pragma once

#include "core/rom/Result.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quindaro2 {

class RomDocument;

// The emulator a try starts: a program and its arguments, never a shell line.
struct EmulatorCommand {
    QString program;
    QStringList arguments;
};

// The command for `file`: the arguments are split at blanks, a pair of double
// quotes keeping blanks inside one argument, and every %f becomes the file
// (the file is the last argument when none says %f). Refused when there is
// no program or a quote is left open.
Result<EmulatorCommand> EmulatorCommandFor(const QString& program, const QString& arguments, const QString& file);

// The copies of the document that tries write: each try a fresh file in a
// folder of its own, removed with the object when the editor exits. The ROM
// file itself is never written.
class EmulatorTries {
public:
    EmulatorTries();

    // Writes the document's bytes as they are now, unsaved edits included,
    // to a new copy and starts the emulator on it; why not, when it could not.
    Status tryDocument(const RomDocument& document, const QString& program, const QString& arguments);

    // The copies written so far.
    int copies() const { return copies_; }
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    int copies_ = 0;
};

} // namespace quindaro2
