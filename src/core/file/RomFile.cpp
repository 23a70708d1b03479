#include "core/file/RomFile.h"

#include "core/file/SystemError.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RomFile)
};

using Clock = std::chrono::steady_clock;

QString CannotRead(const QString& path, const QString& reason)
{
    return Text::tr("%1 を読み込めません（%2）").arg(path, reason);
}

// What a file to read may be: a ROM, or another file of at most `largest` bytes.
struct Expected {
    bool rom;
    qint64 largest;

    QString tooLarge(const QString& path, qint64 size) const
    {
        if (rom)
            return Text::tr("%1 は %2 バイトあり、このゲームの ROM ではありません（ROM は 16 MiB まで）").arg(path, QString::number(size));
        return Text::tr("%1 は %2 バイトあり、大きすぎます（%3 バイトまで）").arg(path, QString::number(size), QString::number(largest));
    }
};

// Checks what the descriptor names before anything is read from it.
Status CheckFile(const QString& path, const struct stat& info, const Expected& expected)
{
    if (!S_ISREG(info.st_mode))
        return Status::Failed(
            (expected.rom ? Text::tr("%1 は通常のファイルではありません（FIFO、デバイス、フォルダなど）。ROM ファイルを指定してください")
                          : Text::tr("%1 は通常のファイルではありません（FIFO、デバイス、フォルダなど）"))
                .arg(path));
    if (info.st_size > expected.largest)
        return Status::Failed(expected.tooLarge(path, info.st_size));
    return Status::Ok();
}

// Waits for the lock; false with errno set, or ETIMEDOUT after `wait`.
bool Lock(int fd, int operation, Clock::time_point deadline)
{
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (Clock::now() >= deadline) {
            errno = ETIMEDOUT;
            return false;
        }
        QThread::msleep(20);
    }
}

// Whether the path still names the file the descriptor holds; a writer that
// replaced the file while we waited has put a new one there.
bool StillNamesTheFile(const QByteArray& name, const struct stat& held)
{
    struct stat now;
    return ::stat(name.constData(), &now) == 0 && now.st_dev == held.st_dev && now.st_ino == held.st_ino;
}

// The whole file in one buffer of the size it had under the lock; a file
// that grew since is read on to its end, but never past the largest ROM.
Result<QByteArray> ReadAll(int fd, const QString& path, const Expected& expected)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return Result<QByteArray>::Failed(CannotRead(path, SystemError()));
    QByteArray bytes(std::min<qint64>(info.st_size, expected.largest) + 1, Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > expected.largest)
                return Result<QByteArray>::Failed(expected.tooLarge(path, bytes.size()));
            bytes.resize(std::min<qint64>(2 * bytes.size(), expected.largest + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Result<QByteArray>::Failed(CannotRead(path, SystemError()));
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

struct OpenedFile {
    Descriptor descriptor;
    QByteArray bytes;
};

// Opens the file, checks it, waits for the lock and reads it whole; the
// descriptor, still locked, belongs to the caller.
Result<OpenedFile> OpenLockedAndRead(const QString& path, int operation, std::chrono::milliseconds wait,
                                     const Expected& expected)
{
    if (path.isEmpty())
        return Result<OpenedFile>::Failed(Text::tr("ファイル名が空です"));
    const QByteArray name = QFile::encodeName(path);
    const Clock::time_point deadline = Clock::now() + wait;
    for (;;) {
        // Non-blocking, so that opening a FIFO cannot hang before it is refused.
        Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.get() < 0)
            return Result<OpenedFile>::Failed(CannotRead(path, SystemError()));
        struct stat info;
        if (::fstat(fd.get(), &info) != 0)
            return Result<OpenedFile>::Failed(CannotRead(path, SystemError()));
        if (Status checked = CheckFile(path, info, expected); !checked)
            return Result<OpenedFile>::Failed(checked.reason());
        if (!Lock(fd.get(), operation, deadline)) {
            if (errno == ETIMEDOUT)
                return Result<OpenedFile>::Failed(
                    Text::tr("%1 は他のプログラムが使用中です（%2 秒待ちました）。何も書き込んでいません")
                        .arg(path, QString::number(std::chrono::duration_cast<std::chrono::seconds>(wait).count())));
            return Result<OpenedFile>::Failed(CannotRead(path, SystemError()));
        }
        if (!StillNamesTheFile(name, info))
            continue;
        Result<QByteArray> bytes = ReadAll(fd.get(), path, expected);
        if (!bytes)
            return Result<OpenedFile>::Failed(bytes.reason());
        return OpenedFile{std::move(fd), std::move(bytes).value()};
    }
}

} // namespace

Result<LockedRom> LockedRom::Open(const QString& path, Access access, std::chrono::milliseconds wait)
{
    Result<OpenedFile> opened =
        OpenLockedAndRead(path, access == Access::Update ? LOCK_EX : LOCK_SH, wait, Expected{true, kLargestRom});
    if (!opened)
        return Result<LockedRom>::Failed(opened.reason());
    OpenedFile file = std::move(opened).value();
    return LockedRom(std::move(file.descriptor), RomImage(std::move(file.bytes)));
}

LockedRom::LockedRom(Descriptor descriptor, RomImage image)
    : descriptor_(std::move(descriptor)), image_(std::move(image))
{
}

Status CheckRomFile(const QString& path)
{
    if (path.isEmpty())
        return Status::Failed(Text::tr("ファイル名が空です"));
    // Non-blocking, so that opening a FIFO cannot hang before it is refused.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        return Status::Failed(CannotRead(path, SystemError()));
    return CheckFile(path, info, Expected{true, kLargestRom});
}

Result<RomImage> ReadRomFile(const QString& path)
{
    Result<LockedRom> rom = LockedRom::Open(path, LockedRom::Access::Read);
    if (!rom)
        return Result<RomImage>::Failed(rom.reason());
    return rom->image();
}

Result<QByteArray> ReadWholeFile(const QString& path, qint64 largest)
{
    Result<OpenedFile> opened = OpenLockedAndRead(path, LOCK_SH, kLockWait, Expected{false, largest});
    if (!opened)
        return Result<QByteArray>::Failed(opened.reason());
    return std::move(opened).value().bytes;
}

} // namespace quindaro2
