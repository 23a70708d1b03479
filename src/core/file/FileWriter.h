#pragma once

#include "core/rom/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace quindaro2 {

// Makes `bytes` the whole content of the file at `path`, or says why not.
// Every save and export of the project writes through here:
// - a new file, or a regular file with one link whose owner and group can be
//   kept, is replaced in one step (a complete temporary file renamed over
//   it), keeping its mode, owner, group and extended attributes;
// - a regular file with several links or another owner is overwritten in
//   place, after a named backup copy beside it (InPlaceWrite.h), so that
//   every name keeps seeing it;
// - anything that is not a regular file (a FIFO, a device, a terminal, a
//   descriptor such as /dev/stdout) is written into as a shell redirect
//   would, never replaced.
// A regular file whose backup of an earlier in-place write is still there is
// not written. On failure the message says whether the file kept its old
// bytes, or names the backup that holds them.
Status WriteWholeFile(const QString& path, const QByteArray& bytes);

// One file of several to write, and its whole new content.
struct FileContent {
    QString path;
    QByteArray bytes;
};

struct [[nodiscard]] FilesWritten {
    QStringList written;  // the files that hold their new bytes, in order
    QString error;        // empty on success

    bool ok() const { return error.isEmpty(); }
};

// Writes several files as WriteWholeFile writes one, all or nothing as far
// as the system allows: every new image is made and flushed apart first, and
// only then do they replace the files, one after the other. When one cannot
// be made, no file is written; when a replacement fails on the way, the
// message says which files were written and which kept their old bytes.
FilesWritten WriteWholeFiles(const std::vector<FileContent>& files);

// Makes a new file holding `bytes`; a file that is already there, of
// whatever kind, is never touched. The file appears under its name only
// once it is complete.
Status WriteNewFile(const QString& path, const QByteArray& bytes);

// What the editor may save into: a regular file, or a name that is free. A
// FIFO, a device or a folder is refused at once, with the reason.
Status CheckSaveTarget(const QString& path);

} // namespace quindaro2
