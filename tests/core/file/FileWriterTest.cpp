#include "core/file/FileWriter.h"
#include "core/file/InPlaceWrite.h"
#include "support/SmallFileSystem.h"
#include "support/PathCase.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <functional>
#include <thread>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::PathCase;
using test::RomFolder;

const QByteArray kOld(40000, 'o');
const QByteArray kNew(30000, 'n');

struct stat StatOf(const QString& path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// What a file is made of before a write, and what must hold of it after.
struct Target {
    const char* name;
    std::function<QString(const RomFolder&)> make;
    std::function<void(const RomFolder&, const QString&)> check;
};

std::ostream& operator<<(std::ostream& out, const Target& c)
{
    return out << c.name;
}

const Target kTargets[] = {
    {"NewFile", [](const RomFolder& f) { return f.path(QStringLiteral("new.nes")); },
     [](const RomFolder&, const QString& path) { EXPECT_EQ(ReadFile(path), kNew); }},
    {"ReplacedKeepingItsMode",
     [](const RomFolder& f) {
         const QString path = f.write(QStringLiteral("rom.nes"), kOld);
         ::chmod(QFile::encodeName(path).constData(), 0640);
         return path;
     },
     [](const RomFolder&, const QString& path) {
         EXPECT_EQ(ReadFile(path), kNew);
         EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
     }},
    {"HardLinkedBothNamesSeeTheNewBytes",
     [](const RomFolder& f) {
         const QString path = f.write(QStringLiteral("rom.nes"), kOld);
         ::link(QFile::encodeName(path).constData(), QFile::encodeName(f.path(QStringLiteral("other.nes"))).constData());
         return path;
     },
     [](const RomFolder& f, const QString& path) {
         EXPECT_EQ(ReadFile(f.path(QStringLiteral("other.nes"))), kNew);
         EXPECT_EQ(StatOf(path).st_ino, StatOf(f.path(QStringLiteral("other.nes"))).st_ino);
         EXPECT_EQ(StatOf(path).st_nlink, 2u);
     }},
    {"SymbolicLinkStaysALink",
     [](const RomFolder& f) {
         const QString target = f.write(QStringLiteral("rom.nes"), kOld);
         QFile::link(target, f.path(QStringLiteral("link.nes")));
         return f.path(QStringLiteral("link.nes"));
     },
     [](const RomFolder& f, const QString& path) {
         EXPECT_TRUE(QFileInfo(path).isSymLink());
         EXPECT_EQ(ReadFile(f.path(QStringLiteral("rom.nes"))), kNew);
     }},
    {"LinkToALinkStaysTwoLinks",
     [](const RomFolder& f) {
         const QString target = f.write(QStringLiteral("rom.nes"), kOld);
         QFile::link(target, f.path(QStringLiteral("first.nes")));
         QFile::link(f.path(QStringLiteral("first.nes")), f.path(QStringLiteral("second.nes")));
         return f.path(QStringLiteral("second.nes"));
     },
     [](const RomFolder& f, const QString& path) {
         EXPECT_TRUE(QFileInfo(path).isSymLink());
         EXPECT_TRUE(QFileInfo(f.path(QStringLiteral("first.nes"))).isSymLink());
         EXPECT_EQ(ReadFile(f.path(QStringLiteral("rom.nes"))), kNew);
     }},
    {"CharacterDeviceIsWrittenIntoNotReplaced", [](const RomFolder&) { return QStringLiteral("/dev/null"); },
     [](const RomFolder&, const QString& path) { EXPECT_TRUE(S_ISCHR(StatOf(path).st_mode)); }},
};

class WriteTargetTest : public ::testing::TestWithParam<Target> {};

// Every kind of target ends with the new bytes where a reader of that name
// looks, keeps what it is, and leaves nothing else behind in its folder.
TEST_P(WriteTargetTest, TheTargetHoldsTheNewBytesAndNothingIsLeftBehind)
{
    RomFolder folder;
    const QString path = GetParam().make(folder);
    const QStringList before = Entries(folder.path(QString()));
    const Status written = WriteWholeFile(path, kNew);
    ASSERT_TRUE(written.ok()) << written.reason().toStdString();
    GetParam().check(folder, path);
    QStringList after = Entries(folder.path(QString()));
    after.removeAll(QFileInfo(path).fileName());
    QStringList expected = before;
    expected.removeAll(QFileInfo(path).fileName());
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteTargetTest, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

// A FIFO gets the bytes through the pipe, as a shell redirect would send them,
// and stays a FIFO.
TEST(WriteWholeFile, AFifoIsWrittenIntoAndStaysAFifo)
{
    RomFolder folder;
    const QString fifo = folder.fifo(QStringLiteral("pipe"));
    QByteArray received;
    std::thread reader([&] {
        QFile in(fifo);
        if (in.open(QIODevice::ReadOnly))
            received = in.readAll();
    });
    const Status written = WriteWholeFile(fifo, kNew);
    reader.join();
    EXPECT_TRUE(written.ok()) << written.reason().toStdString();
    EXPECT_EQ(received, kNew);
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));
}

// A name of an open descriptor (/proc/self/fd/N, as /dev/stdout is) is the
// file the shell opened: what it held stays, the new bytes come after.
TEST(WriteWholeFile, ADescriptorsNameAppendsToWhatItHolds)
{
    RomFolder folder;
    const QString log = folder.write(QStringLiteral("log.txt"), QByteArray("earlier line\n"));
    const int fd = ::open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    const Status written = WriteWholeFile(QStringLiteral("/proc/self/fd/%1").arg(fd), QByteArray("export\n"));
    ::close(fd);
    EXPECT_TRUE(written.ok()) << written.reason().toStdString();
    EXPECT_EQ(ReadFile(log), QByteArray("earlier line\nexport\n"));
}

class WriteRefusalTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(WriteRefusalTest, SaysWhyAndChangesNothing)
{
    RomFolder folder;
    const QString path = GetParam().make(folder);
    const QStringList before = Entries(folder.path(QString()));
    const Status written = WriteWholeFile(path, kNew);
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.reason().contains(QString::fromUtf8(GetParam().says))) << written.reason().toStdString();
    EXPECT_EQ(Entries(folder.path(QString())), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteRefusalTest,
    ::testing::Values(PathCase{"MissingFolder", [](const RomFolder& f) { return f.path(QStringLiteral("no/such.nes")); },
                              "何も書き込んでいません"},
                      PathCase{"AFolder",
                              [](const RomFolder& f) {
                                  QDir().mkpath(f.path(QStringLiteral("folder")));
                                  return f.path(QStringLiteral("folder"));
                              },
                              "folder"},
                      PathCase{"EmptyName", [](const RomFolder&) { return QString(); }, "空"}),
    [](const auto& info) { return std::string(info.param.name); });

// The new image is committed under a name of this process's own and renamed
// over the file; one left there by an earlier write that died is replaced
// and gone afterwards, like every other name but the file's.
TEST(WriteWholeFile, AStagedImageLeftByAnEarlierWriteIsReplaced)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), kOld);
    const QStringList before = Entries(folder.path(QString()));
    folder.write(QStringLiteral("rom.nes.quindaro2-new-%1").arg(QCoreApplication::applicationPid()), QByteArray("torn"));

    const Status written = WriteWholeFile(path, kNew);
    ASSERT_TRUE(written.ok()) << written.reason().toStdString();
    EXPECT_EQ(ReadFile(path), kNew);
    EXPECT_EQ(Entries(folder.path(QString())), before);
}

// What root saves keeps its owner, group, set-id and sticky bits, read-only
// mode and extended attributes: a save changes a file's bytes, nothing else.
TEST(WriteWholeFile, RootKeepsTheOwnerModeAndAttributes)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another owner";
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), kOld);
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(name.constData(), 05444), 0);
    const bool attributes = ::setxattr(name.constData(), "user.quindaro2", "kept", 4, 0) == 0;

    const Status written = WriteWholeFile(path, kNew);
    ASSERT_TRUE(written.ok()) << written.reason().toStdString();
    const struct stat after = StatOf(path);
    EXPECT_EQ(ReadFile(path), kNew);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(after.st_mode & 07777, 05444u);
    if (attributes) {
        char value[8] = {};
        EXPECT_EQ(::getxattr(name.constData(), "user.quindaro2", value, sizeof value), 4);
        EXPECT_EQ(QByteArray(value, 4), QByteArray("kept"));
    }
}

// On a full disk the write fails and says so; the old file keeps its bytes
// and no temporary or backup file stays behind.
TEST(WriteWholeFile, AFullDiskFailsAndLeavesTheOldFile)
{
    test::SmallFileSystem disk(300 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const QString path = disk.path(QStringLiteral("players.txt"));
    ASSERT_TRUE(WriteWholeFile(path, kOld).ok());
    const QString linked = disk.path(QStringLiteral("linked.txt"));
    ASSERT_TRUE(WriteWholeFile(linked, kOld).ok());
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(disk.path(QStringLiteral("second"))).constData()), 0);
    ASSERT_TRUE(disk.leaveFree(12 * 1024));
    const QStringList before = Entries(disk.path(QString()));

    for (const QString& target : {path, linked, disk.path(QStringLiteral("new.txt"))}) {
        const Status written = WriteWholeFile(target, kNew);
        EXPECT_FALSE(written.ok()) << target.toStdString();
        EXPECT_TRUE(written.reason().contains(QStringLiteral("No space left on device"))) << written.reason().toStdString();
    }
    EXPECT_EQ(ReadFile(path), kOld);
    EXPECT_EQ(ReadFile(linked), kOld);
    EXPECT_EQ(Entries(disk.path(QString())), before);
}

} // namespace
} // namespace quindaro2

namespace quindaro2 {
namespace {

// A backup left by an in-place write that did not finish is never written
// over, and no file it belongs to is written until the user has looked:
// whatever way the file would be written.
TEST(WriteWholeFile, ALeftBackupStopsTheWriteAndIsNamed)
{
    for (const bool linked : {false, true}) {
        RomFolder folder;
        const QString path = folder.write(QStringLiteral("rom.nes"), kOld);
        if (linked) {
            ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder.path(QStringLiteral("other.nes"))).constData()), 0);
        }
        const QString backup = folder.write(QStringLiteral("rom.nes.quindaro2-backup"), QByteArray("earlier"));
        ASSERT_EQ(SaveBackupPath(path), backup);
        const Status written = WriteWholeFile(path, kNew);
        EXPECT_FALSE(written.ok()) << linked;
        EXPECT_TRUE(written.reason().contains(backup)) << written.reason().toStdString();
        EXPECT_EQ(ReadFile(path), kOld);
        EXPECT_EQ(ReadFile(backup), QByteArray("earlier"));
        EXPECT_FALSE(CheckNoLeftBackup(path).ok());
        ASSERT_TRUE(QFile::remove(backup));
        EXPECT_TRUE(WriteWholeFile(path, kNew).ok());
        EXPECT_EQ(ReadFile(path), kNew);
        EXPECT_FALSE(QFile::exists(backup));
    }
}

// A user who is not root keeps the set-id bits of a file saved whole or in
// place: the mode is given after the last write, which clears them.
TEST(WriteWholeFile, ANonRootUserKeepsTheSetIdBits)
{
    RomFolder folder;
    const QString single = folder.write(QStringLiteral("single.nes"), kOld);
    const QString linked = folder.write(QStringLiteral("linked.nes"), kOld);
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(folder.path(QStringLiteral("second.nes"))).constData()), 0);
    const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? 65534 : ::getegid();
    for (const QString& path : {folder.path(QString()), single, linked})
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), user, group), 0);
    for (const QString& path : {single, linked})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 06755), 0);

    // Root writes as that user in a child, so that the kernel clears the bits as it would.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0))
            ::_exit(3);
        const bool written = WriteWholeFile(single, kNew).ok() && WriteWholeFile(linked, kNew).ok();
        ::_exit(written ? 0 : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    for (const QString& path : {single, linked}) {
        EXPECT_EQ(ReadFile(path), kNew);
        EXPECT_EQ(StatOf(path).st_mode & 07777, 06755u) << path.toStdString();
    }
}

class SaveTargetTest : public ::testing::TestWithParam<PathCase> {};

// The editor saves into a regular file or a new name; anything else is
// refused at once, naming it.
TEST_P(SaveTargetTest, OnlyARegularFileOrANewNameIsTaken)
{
    RomFolder folder;
    const QString path = GetParam().make(folder);
    const Status checked = CheckSaveTarget(path);
    const QString says = QString::fromUtf8(GetParam().says);
    EXPECT_EQ(checked.ok(), says.isEmpty()) << checked.reason().toStdString();
    EXPECT_TRUE(checked.reason().contains(says)) << checked.reason().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveTargetTest,
    ::testing::Values(
        PathCase{"NewName", [](const RomFolder& f) { return f.path(QStringLiteral("new.nes")); }, ""},
        PathCase{"RegularFile", [](const RomFolder& f) { return f.write(QStringLiteral("rom.nes"), kOld); }, ""},
        PathCase{"LinkToAFile",
                 [](const RomFolder& f) {
                     QFile::link(f.write(QStringLiteral("rom.nes"), kOld), f.path(QStringLiteral("link.nes")));
                     return f.path(QStringLiteral("link.nes"));
                 },
                 ""},
        PathCase{"Fifo", [](const RomFolder& f) { return f.fifo(QStringLiteral("pipe.nes")); }, "pipe.nes は通常のファイルではありません"},
        PathCase{"Device", [](const RomFolder&) { return QStringLiteral("/dev/null"); }, "/dev/null は通常のファイルではありません"},
        PathCase{"Folder", [](const RomFolder& f) { return f.path(QString()); }, "通常のファイルではありません"},
        PathCase{"EmptyName", [](const RomFolder&) { return QString(); }, "空"}),
    [](const auto& info) { return std::string(info.param.name); });

// Several files on a disk with room for some of the new images: none of the
// files changes, nothing is left behind, and the message says so.
TEST(WriteWholeFiles, OnAFullDiskNoFileChanges)
{
    test::SmallFileSystem disk(300 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    std::vector<FileContent> files;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        const QString path = disk.path(QString::fromUtf8(name));
        ASSERT_TRUE(WriteWholeFile(path, kOld).ok());
        files.push_back({path, kNew});
    }
    // Room for the first two new images (eight pages each), not the third.
    ASSERT_TRUE(disk.leaveFree(17 * 4096));
    const QStringList before = Entries(disk.path(QString()));
    const FilesWritten written = WriteWholeFiles(files);
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.written.isEmpty());
    EXPECT_TRUE(written.error.contains(QStringLiteral("c.txt"))) << written.error.toStdString();
    EXPECT_TRUE(written.error.contains(QStringLiteral("ほかのファイルにも何も書き込んでいません"))) << written.error.toStdString();
    for (const FileContent& file : files)
        EXPECT_EQ(ReadFile(file.path), kOld) << file.path.toStdString();
    EXPECT_EQ(Entries(disk.path(QString())), before);

    ASSERT_TRUE(QFile::remove(disk.path(QStringLiteral("filler"))));
    const FilesWritten again = WriteWholeFiles(files);
    EXPECT_TRUE(again.ok()) << again.error.toStdString();
    EXPECT_EQ(again.written.size(), 3);
}

} // namespace
} // namespace quindaro2
