#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <sys/stat.h>

#include <memory>

namespace quindaro2 {

// The new image of one file, made and flushed apart under a temporary name,
// that replaces the file in one step when committed and vanishes when
// dropped: until then the file keeps its old bytes.
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

    std::unique_ptr<QSaveFile> file_;
    bool existing_ = false;
    QString error_;
};

} // namespace quindaro2
