#include "core/file/Replacement.h"

#include "core/file/LinkChain.h"
#include "core/file/SystemError.h"
#include "core/file/WriteSteps.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace quindaro2 {

namespace {

// Gives the new file the extended attributes of the old one; false when one
// cannot be copied.
bool CopyAttributes(const QByteArray& from, int to)
{
    const ssize_t length = ::listxattr(from.constData(), nullptr, 0);
    if (length <= 0)
        return length == 0 || errno == ENOTSUP;
    std::vector<char> names(static_cast<std::size_t>(length));
    const ssize_t listed = ::listxattr(from.constData(), names.data(), names.size());
    if (listed < 0)
        return false;
    for (ssize_t at = 0; at < listed; at += static_cast<ssize_t>(std::strlen(names.data() + at)) + 1) {
        const char* attribute = names.data() + at;
        const ssize_t size = ::getxattr(from.constData(), attribute, nullptr, 0);
        if (size < 0)
            return false;
        std::vector<char> value(static_cast<std::size_t>(size));
        if (::getxattr(from.constData(), attribute, value.data(), value.size()) != size
            || ::fsetxattr(to, attribute, value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

// The file a path names past its symbolic links, which stay links; the path
// itself when the links go round in a circle.
QString PastLinks(const QString& path)
{
    const QByteArray last = LinkChain(QFile::encodeName(path)).back();
    struct stat info;
    if (::lstat(last.constData(), &info) == 0 && S_ISLNK(info.st_mode))
        return path;
    return QFile::decodeName(last);
}

} // namespace

QString Replacement::failed(const QString& reason) const
{
    return existing_ ? CannotWrite(path_, reason) : CannotCreate(path_, reason);
}

Replacement::Outcome Replacement::prepare(const QString& path, const QByteArray& bytes, const struct stat* existing)
{
    existing_ = existing != nullptr;
    path_ = path;
    replaced_ = PastLinks(path);
    staged_ = replaced_ + QStringLiteral(".quindaro2-new-%1").arg(QCoreApplication::applicationPid());
    file_ = std::make_unique<QSaveFile>(staged_);
    file_->setDirectWriteFallback(false);
    // Unbuffered: a write that fails fails here, not unseen inside commit().
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error_ = failed(file_->errorString());
        return Outcome::Failed;
    }
    const int fd = file_->handle();
    if (existing && (::fchown(fd, existing->st_uid, existing->st_gid) != 0 || !CopyAttributes(QFile::encodeName(path), fd))) {
        file_->cancelWriting();
        return Outcome::KeepInPlace;
    }
    if (file_->write(bytes) != bytes.size() || !file_->flush() || ::fsync(fd) != 0) {
        error_ = failed(file_->error() != QFileDevice::NoError ? file_->errorString() : SystemError());
        file_->cancelWriting();
        return Outcome::Failed;
    }
    // The mode last: a write by a user without the right to keep them clears
    // the set-id bits, and changing the owner does too.
    if (existing && ::fchmod(fd, existing->st_mode & 07777) != 0) {
        file_->cancelWriting();
        return Outcome::KeepInPlace;
    }
    return Outcome::Ready;
}

bool Replacement::commit()
{
    if (!file_->commit()) {
        error_ = failed(file_->errorString());
        return false;
    }
    const QByteArray staged = QFile::encodeName(staged_);
    if (::rename(staged.constData(), QFile::encodeName(replaced_).constData()) != 0) {
        error_ = failed(SystemError());
        ::unlink(staged.constData());
        return false;
    }
    return true;
}

} // namespace quindaro2
