#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>

namespace quindaro2 {

// The backup of a file's old bytes that an in-place write keeps beside it
// ("rom.nes.quindaro2-backup") from before the first byte of the file is
// overwritten until the new bytes are flushed.
QString SaveBackupPath(const QString& path);

// Failed, saying what to do, when the backup of an earlier in-place write of
// `path` is still there: that write did not finish, and the file may hold
// part of it. Such a backup is never written over.
Status CheckNoLeftBackup(const QString& path);

// Overwrites the regular file at `path` in place, so that it stays the same
// file (its links, owner and attributes with it): its old bytes go into the
// named backup first, flushed to disk, then the new bytes over the file,
// flushed, and the backup goes again. On failure the file gets its old bytes
// back, or the message names the backup that holds them.
Status OverwriteInPlace(const QString& path, const QByteArray& bytes);

} // namespace quindaro2
