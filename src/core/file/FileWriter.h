#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>

namespace quindaro2 {

// Makes `bytes` the whole content of the file at `path`, or says why not.
// Every save and export of the project writes through here:
// - a new file, or a regular file with one link whose owner and group can be
//   kept, is replaced in one step (a complete temporary file renamed over
//   it), keeping its mode, owner, group and extended attributes;
// - a regular file with several links or another owner is overwritten in
//   place, after a backup copy beside it, so that every name keeps seeing it;
// - anything that is not a regular file (a FIFO, a device, a terminal, a
//   descriptor such as /dev/stdout) is written into as a shell redirect
//   would, never replaced.
// On failure the message says whether the file kept its old bytes, or names
// the backup that holds them.
Status WriteWholeFile(const QString& path, const QByteArray& bytes);

// Makes a new file holding `bytes`; a file that is already there, of
// whatever kind, is never touched. A file that cannot be completed is
// removed again.
Status WriteNewFile(const QString& path, const QByteArray& bytes);

} // namespace quindaro2
