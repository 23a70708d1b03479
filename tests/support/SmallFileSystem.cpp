#include "support/SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace quindaro2::test {

SmallFileSystem::SmallFileSystem(qint64 bytes, int inodes)
{
    dir_ = QDir::tempPath() + QStringLiteral("/quindaro2-small-fs-%1-%2").arg(::getpid()).arg(reinterpret_cast<quintptr>(this));
    if (::geteuid() != 0 || !QDir().mkpath(dir_))
        return;
    QByteArray options = "size=" + QByteArray::number(bytes);
    if (inodes > 0)
        options += ",nr_inodes=" + QByteArray::number(inodes);
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir_).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_)
        ::umount2(QFile::encodeName(dir_).constData(), MNT_DETACH);
    QDir().rmdir(dir_);
}

QString SmallFileSystem::path(const QString& name) const
{
    return dir_ + u'/' + name;
}

qint64 SmallFileSystem::freeBytes() const
{
    struct statvfs info;
    if (::statvfs(QFile::encodeName(dir_).constData(), &info) != 0)
        return -1;
    return static_cast<qint64>(info.f_bavail) * static_cast<qint64>(info.f_frsize);
}

bool SmallFileSystem::leaveFree(qint64 bytes) const
{
    QFile filler(path(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(1024, 'x');
    while (freeBytes() > bytes) {
        const qint64 chunk = std::min<qint64>(block.size(), freeBytes() - bytes);
        if (filler.write(block.constData(), chunk) != chunk)
            return false;
    }
    return freeBytes() == bytes;
}

void SmallFileSystem::useEveryInode() const
{
    for (int i = 0; i < 100000; ++i) {
        QFile file(path(QStringLiteral("inode%1").arg(i)));
        if (!file.open(QIODevice::WriteOnly))
            return;
    }
}

} // namespace quindaro2::test
