#include "core/file/InPlaceWrite.h"

#include "core/file/Descriptor.h"
#include "core/file/SystemError.h"
#include "core/file/WriteSteps.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

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

// A write by a user without the right to keep them clears the set-id bits;
// the owner of the file may put them back.
void RestoreMode(int fd, const struct stat& before)
{
    struct stat after;
    if (::fstat(fd, &after) == 0 && (after.st_mode & 07777) != (before.st_mode & 07777)
        && (::geteuid() == 0 || before.st_uid == ::geteuid()))
        (void)::fchmod(fd, before.st_mode & 07777);
}

// The old bytes in a new file of the backup's name, flushed with that name;
// false with errno set, and no backup left.
bool MakeBackup(const QByteArray& backup, const QByteArray& old, mode_t mode)
{
    const int fd = ::open(backup.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    bool done = WriteAll(fd, old.constData(), old.size()) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && !SyncFolderOf(backup)) {
        done = false;
        error = errno;
    }
    if (done)
        return true;
    ::unlink(backup.constData());
    errno = error;
    return false;
}

QString LeftBackup(const QString& path, const QString& backup)
{
    return Text::tr("%1 の前の保存が終わっていません：バックアップ %2 が残っています。%1 にはその保存の一部しか"
                    "入っていないかもしれません。2つを比べて正しい方を残し、%2 を消してから保存してください")
        .arg(path, backup);
}

} // namespace

QString SaveBackupPath(const QString& path)
{
    return path + QStringLiteral(".quindaro2-backup");
}

Status CheckNoLeftBackup(const QString& path)
{
    const QString backup = SaveBackupPath(path);
    struct stat info;
    if (::lstat(QFile::encodeName(backup).constData(), &info) != 0)
        return Status::Ok();
    return Status::Failed(LeftBackup(path, backup));
}

Status OverwriteInPlace(const QString& path, const QByteArray& bytes)
{
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    const int fd = file.get();
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0)
        return Status::Failed(CannotWrite(path, SystemError()));
    if (Status left = CheckNoLeftBackup(path); !left)
        return left;

    bool read = false;
    const QByteArray old = ReadWhole(fd, read);
    if (!read)
        return Status::Failed(CannotWrite(path, SystemError()));
    const QString backup = SaveBackupPath(path);
    const QByteArray backupName = QFile::encodeName(backup);
    if (!MakeBackup(backupName, old, info.st_mode & 0666)) {
        if (errno == EEXIST)
            return Status::Failed(LeftBackup(path, backup));
        return Status::Failed(CannotWrite(path, Text::tr("バックアップを作れません：%1").arg(SystemError())));
    }

    if (Overwrite(fd, bytes)) {
        RestoreMode(fd, info);
        if (::unlink(backupName.constData()) != 0)
            return Status::Failed(Text::tr("%1 には新しいデータを書き込みましたが、元のデータのバックアップ %2 を消せません（%3）。"
                                           "%2 を消してください")
                                      .arg(path, backup, SystemError()));
        return Status::Ok();
    }
    const QString reason = SystemError();
    if (Overwrite(fd, old)) {
        RestoreMode(fd, info);
        if (::unlink(backupName.constData()) != 0)
            return Status::Failed(Text::tr("%1 に書き込めません（%2）。%1 は元のままですが、そのバックアップ %3 を消せません")
                                      .arg(path, reason, backup));
        return Status::Failed(CannotWrite(path, reason));
    }
    return Status::Failed(Text::tr("%1 に書き込めません（%2）。元のデータはバックアップ %3 にあります")
                              .arg(path, reason, backup));
}

} // namespace quindaro2
