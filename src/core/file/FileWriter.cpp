#include "core/file/FileWriter.h"

#include "core/file/Descriptor.h"
#include "core/file/SystemError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <vector>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

QString CannotWrite(const QString& path, const QString& reason)
{
    return Text::tr("%1 に書き込めません（%2）。%1 は元のままです").arg(path, reason);
}

QString CannotCreate(const QString& path, const QString& reason)
{
    return Text::tr("%1 を作れません（%2）。何も書き込んでいません").arg(path, reason);
}

// Writes everything at the descriptor's position; false with errno set.
bool WriteAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// A name that leads, through symbolic links, to an open descriptor of some
// process (/dev/stdout, /dev/fd/1, /proc/self/fd/1): what the shell opened
// there must be written into, not replaced by a new file.
bool IsDescriptorAlias(QByteArray name)
{
    for (int step = 0; step < 40; ++step) {
        if (name.startsWith("/proc/") || name.startsWith("/dev/fd/"))
            return true;
        char target[4096];
        const ssize_t length = ::readlink(name.constData(), target, sizeof target - 1);
        if (length < 0)
            return false;
        QByteArray next(target, length);
        if (!next.startsWith('/')) {
            const qsizetype slash = name.lastIndexOf('/');
            next = (slash < 0 ? QByteArray() : name.left(slash + 1)) + next;
        }
        name = next;
    }
    return false;
}

// As a shell redirect writes: into the file that is there, never a new one.
// `flags` adds O_APPEND for a descriptor, so that what is already in it stays.
Status WriteInto(const QString& path, const QByteArray& name, const QByteArray& bytes, int flags)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | flags);
    if (fd < 0)
        return Status::Failed(Text::tr("%1 に書き込めません（%2）").arg(path, SystemError()));
    const bool written = WriteAll(fd, bytes.constData(), bytes.size());
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed)
        return Status::Failed(Text::tr("%1 に書き込めません（%2）").arg(path, SystemError(written ? errno : error)));
    return Status::Ok();
}

bool MayKeepOwner(const struct stat& info)
{
    if (::geteuid() == 0)
        return true;
    if (info.st_uid != ::geteuid())
        return false;
    if (info.st_gid == ::getegid())
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < count; ++i) {
        if (groups[static_cast<std::size_t>(i)] == info.st_gid)
            return true;
    }
    return false;
}

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

enum class Replaced { Done, Failed, KeepInPlace };

// The new image is made apart and renamed over the file: whatever fails, the
// file keeps its old bytes. `existing` is the old file's status, or none for
// a new file.
Replaced ReplaceAtomically(const QString& path, const QByteArray& name, const QByteArray& bytes,
                           const struct stat* existing, QString& error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered: a write that fails fails here, not unseen inside commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = existing ? CannotWrite(path, file.errorString()) : CannotCreate(path, file.errorString());
        return Replaced::Failed;
    }
    const int fd = file.handle();
    if (existing) {
        // Owner first: changing it clears the set-id bits that the mode then restores.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0 || ::fchmod(fd, existing->st_mode & 07777) != 0
            || !CopyAttributes(name, fd)) {
            file.cancelWriting();
            return Replaced::KeepInPlace;
        }
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(fd) != 0) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : SystemError();
        file.cancelWriting();
        error = existing ? CannotWrite(path, reason) : CannotCreate(path, reason);
        return Replaced::Failed;
    }
    if (!file.commit()) {
        error = existing ? CannotWrite(path, file.errorString()) : CannotCreate(path, file.errorString());
        return Replaced::Failed;
    }
    return Replaced::Done;
}

QByteArray ReadWhole(int fd, bool& ok)
{
    QByteArray bytes;
    char buffer[65536];
    ok = true;
    for (qint64 at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ok = false;
            return {};
        }
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
        at += got;
    }
}

bool Overwrite(int fd, const QByteArray& bytes)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes.constData(), bytes.size())
        && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0;
}

// The file stays the same file (its links, owner and attributes with it): its
// old bytes go into a backup beside it, the new ones over it, and the backup
// goes again once they are safely there.
Status OverwriteInPlace(const QString& path, const QByteArray& name, const QByteArray& bytes)
{
    const Descriptor file(::open(name.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    const int fd = file.get();
    if (fd < 0)
        return Status::Failed(CannotWrite(path, SystemError()));

    bool read = false;
    const QByteArray old = ReadWhole(fd, read);
    if (!read)
        return Status::Failed(CannotWrite(path, SystemError()));
    QTemporaryFile backup(QFileInfo(path).absoluteFilePath() + QStringLiteral(".backup-XXXXXX"));
    backup.setAutoRemove(false);
    // Written past Qt's buffer, so that a full disk reports its own error.
    if (!backup.open() || !WriteAll(backup.handle(), old.constData(), old.size()) || ::fsync(backup.handle()) != 0) {
        const QString reason = backup.isOpen() ? SystemError() : backup.errorString();
        backup.remove();
        return Status::Failed(CannotWrite(path, Text::tr("バックアップを作れません：%1").arg(reason)));
    }
    backup.close();

    if (Overwrite(fd, bytes)) {
        backup.remove();
        return Status::Ok();
    }
    const QString reason = SystemError();
    if (Overwrite(fd, old)) {
        backup.remove();
        return Status::Failed(CannotWrite(path, reason));
    }
    return Status::Failed(Text::tr("%1 に書き込めません（%2）。元のデータはバックアップ %3 にあります")
                              .arg(path, reason, backup.fileName()));
}

} // namespace

Status WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return Status::Failed(Text::tr("書き込み先のファイル名が空です"));
    const QByteArray name = QFile::encodeName(path);
    if (IsDescriptorAlias(name))
        return WriteInto(path, name, bytes, O_APPEND);

    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        if (errno != ENOENT)
            return Status::Failed(CannotWrite(path, SystemError()));
        QString error;
        return ReplaceAtomically(path, name, bytes, nullptr, error) == Replaced::Done ? Status::Ok()
                                                                                    : Status::Failed(error);
    }
    if (!S_ISREG(info.st_mode))
        return WriteInto(path, name, bytes, 0);
    if (info.st_nlink > 1 || !MayKeepOwner(info))
        return OverwriteInPlace(path, name, bytes);
    QString error;
    switch (ReplaceAtomically(path, name, bytes, &info, error)) {
    case Replaced::Done: return Status::Ok();
    case Replaced::Failed: return Status::Failed(error);
    case Replaced::KeepInPlace: return OverwriteInPlace(path, name, bytes);
    }
    return Status::Failed(error);
}

Status WriteNewFile(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return Status::Failed(Text::tr("書き込み先のファイル名が空です"));
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return Status::Failed(Text::tr("%1 は既にあります。上書きしません").arg(path));
        return Status::Failed(CannotCreate(path, SystemError()));
    }
    const bool written = WriteAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(name.constData());
        return Status::Failed(CannotCreate(path, SystemError(written ? errno : error)));
    }
    return Status::Ok();
}

} // namespace quindaro2
