#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <sys/stat.h>

#include <memory>

namespace quindaro2 {

// The new image of one file, made and flushed apart under a temporary name,
// that replaces the file in one step when committed and vanishes when
// dropped: until then the file keeps its old bytes. The save file is given
// a name of this process's own beside the file, and the committed image is
// renamed over the file: a save file given the name of a file that exists
// must invent a free one, and seeding the random source for it costs more
// than the rest of a small export.
class Replacement {
public:
    enum class Outcome { Ready, Failed, KeepInPlace };

    // `existing` is the old file's status, or none for a new file; the new
    // one gets its owner, group, mode and extended attributes. KeepInPlace
    // when they cannot be kept: the file must then be overwritten in place.
    Outcome prepare(const QString& path, const QByteArray& bytes, const struct stat* existing);
    bool commit();

    // Why prepare() or commit() failed, naming the file and saying what became of it.
    const QString& error() const { return error_; }

private:
    QString failed(const QString& reason) const;

    QString path_;      // as the caller named it
    QString replaced_;  // the file it names, past a symbolic link
    QString staged_;  // the name the save file is committed under
    std::unique_ptr<QSaveFile> file_;
    bool existing_ = false;
    QString error_;
};

} // namespace quindaro2
