#include "core/file/WriteSteps.h"

#include "core/file/Descriptor.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

} // namespace

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

bool SyncFolderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
    const Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    // Some file systems cannot flush a folder; their names are as safe as they get.
    return ::fsync(fd.get()) == 0 || errno == EINVAL || errno == ENOTSUP;
}

QString CannotWrite(const QString& path, const QString& reason)
{
    return Text::tr("%1 に書き込めません（%2）。%1 は元のままです").arg(path, reason);
}

QString CannotCreate(const QString& path, const QString& reason)
{
    return Text::tr("%1 を作れません（%2）。何も書き込んでいません").arg(path, reason);
}

} // namespace quindaro2
