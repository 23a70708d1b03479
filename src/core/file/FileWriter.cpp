#include "core/file/FileWriter.h"

#include "core/file/InPlaceWrite.h"
#include "core/file/LinkChain.h"
#include "core/file/Replacement.h"
#include "core/file/SystemError.h"
#include "core/file/WriteSteps.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

QString EmptyName()
{
    return Text::tr("書き込み先のファイル名が空です");
}

// A name that leads, through symbolic links, to an open descriptor of some
// process (/dev/stdout, /dev/fd/1, /proc/self/fd/1): what the shell opened
// there must be written into, not replaced by a new file.
bool IsDescriptorAlias(const QByteArray& name)
{
    const std::vector<QByteArray> chain = LinkChain(name);
    return std::any_of(chain.cbegin(), chain.cend(), [](const QByteArray& step) {
        return step.startsWith("/proc/") || step.startsWith("/dev/fd/");
    });
}

// As a shell redirect writes: into the file that is there, never a new one.
// `flags` adds O_APPEND for a descriptor, so that what is already in it stays.
Status WriteInto(const QString& path, const QByteArray& bytes, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | flags);
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

// How one file is written.
enum class Way { Replace, InPlace, Into, Append };

struct PlannedFile {
    const FileContent* content = nullptr;
    Way way = Way::Replace;
    std::optional<struct stat> existing;  // none for a new file
    Replacement replacement;
};

// Looks at what the path names, before anything is written.
Status Plan(const FileContent& content, PlannedFile& planned)
{
    planned.content = &content;
    const QString& path = content.path;
    if (path.isEmpty())
        return Status::Failed(EmptyName());
    const QByteArray name = QFile::encodeName(path);
    if (IsDescriptorAlias(name)) {
        planned.way = Way::Append;
        return Status::Ok();
    }
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        if (errno != ENOENT)
            return Status::Failed(CannotWrite(path, SystemError()));
        planned.way = Way::Replace;
        return Status::Ok();
    }
    if (!S_ISREG(info.st_mode)) {
        planned.way = Way::Into;
        return Status::Ok();
    }
    if (Status left = CheckNoLeftBackup(path); !left)
        return left;
    planned.existing = info;
    planned.way = info.st_nlink > 1 || !MayKeepOwner(info) ? Way::InPlace : Way::Replace;
    return Status::Ok();
}

Status Complete(PlannedFile& file)
{
    const FileContent& content = *file.content;
    switch (file.way) {
    case Way::Replace:
        return file.replacement.commit() ? Status::Ok() : Status::Failed(file.replacement.error());
    case Way::InPlace: return OverwriteInPlace(content.path, content.bytes);
    case Way::Into: return WriteInto(content.path, content.bytes, 0);
    case Way::Append: return WriteInto(content.path, content.bytes, O_APPEND);
    }
    return Status::Failed(EmptyName());
}

QString NothingElseWritten(const QString& error, std::size_t files)
{
    return files > 1 ? Text::tr("%1。ほかのファイルにも何も書き込んでいません").arg(error) : error;
}

QString PartlyWritten(const QString& error, const QStringList& written, const QStringList& kept)
{
    //: Between the names of files in a list.
    const QString separator = Text::tr("、");
    if (kept.isEmpty())
        return Text::tr("%1。書き込んだファイル：%2").arg(error, written.join(separator));
    return Text::tr("%1。書き込んだファイル：%2。元のままのファイル：%3").arg(error, written.join(separator), kept.join(separator));
}

// A free name beside `name` for the file on its way there; the descriptor,
// or -1 with errno set.
int CreatePartial(const QByteArray& name, QByteArray& partial)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial = name + ".partial-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(partial.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Gives the complete file its name unless the name is taken; false with
// errno set, EEXIST when it is taken.
bool Publish(const QByteArray& partial, const QByteArray& name)
{
    if (::renameat2(AT_FDCWD, partial.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot rename without replacing can mostly link.
    if (::link(partial.constData(), name.constData()) != 0)
        return false;
    // The file is complete under its name; a second name left over is no harm.
    (void)::unlink(partial.constData());
    return true;
}

QString AlreadyThere(const QString& path)
{
    return Text::tr("%1 は既にあります。上書きしません").arg(path);
}

} // namespace

Status WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    const FilesWritten written = WriteWholeFiles({{path, bytes}});
    return written.ok() ? Status::Ok() : Status::Failed(written.error);
}

FilesWritten WriteWholeFiles(const std::vector<FileContent>& files)
{
    FilesWritten result;
    std::vector<PlannedFile> planned(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (Status status = Plan(files[i], planned[i]); !status) {
            result.error = NothingElseWritten(status.reason(), files.size());
            return result;
        }
    }
    for (PlannedFile& file : planned) {
        if (file.way != Way::Replace)
            continue;
        switch (file.replacement.prepare(file.content->path, file.content->bytes, file.existing ? &*file.existing : nullptr)) {
        case Replacement::Outcome::Ready: break;
        case Replacement::Outcome::KeepInPlace: file.way = Way::InPlace; break;
        case Replacement::Outcome::Failed:
            result.error = NothingElseWritten(file.replacement.error(), files.size());
            return result;
        }
    }
    for (std::size_t i = 0; i < planned.size(); ++i) {
        if (Status status = Complete(planned[i]); !status) {
            if (result.written.isEmpty()) {
                result.error = NothingElseWritten(status.reason(), files.size());
            } else {
                QStringList kept;
                for (std::size_t later = i + 1; later < planned.size(); ++later)
                    kept << planned[later].content->path;
                result.error = PartlyWritten(status.reason(), result.written, kept);
            }
            return result;
        }
        result.written << planned[i].content->path;
    }
    return result;
}

Status WriteNewFile(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return Status::Failed(EmptyName());
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::lstat(name.constData(), &info) == 0)
        return Status::Failed(AlreadyThere(path));
    QByteArray partial;
    const int fd = CreatePartial(name, partial);
    if (fd < 0)
        return Status::Failed(CannotCreate(path, SystemError()));
    bool done = WriteAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && !Publish(partial, name)) {
        done = false;
        error = errno;
    }
    if (done)
        return Status::Ok();
    ::unlink(partial.constData());
    return Status::Failed(error == EEXIST ? AlreadyThere(path) : CannotCreate(path, SystemError(error)));
}

Status CheckSaveTarget(const QString& path)
{
    if (path.isEmpty())
        return Status::Failed(EmptyName());
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return Status::Ok();
    return Status::Failed(
        Text::tr("%1 は通常のファイルではありません（FIFO、デバイス、フォルダなど）。保存先には通常のファイルか新しい名前を選んでください")
            .arg(path));
}

} // namespace quindaro2
