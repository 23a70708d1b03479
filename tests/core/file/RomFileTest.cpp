#include "core/file/RomFile.h"
#include "support/PathCase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QElapsedTimer>

#include <unistd.h>

#include <thread>

namespace quindaro2 {
namespace {

using namespace std::chrono_literals;
using test::PathCase;
using test::RomFolder;

class RefusedSourceTest : public ::testing::TestWithParam<PathCase> {};

// What is no ROM file is refused at once, before anything is read from it: a
// FIFO would hang a read forever and a device or a huge file would never end.
TEST_P(RefusedSourceTest, IsRefusedAtOnceWithItsReason)
{
    RomFolder folder;
    const QString path = GetParam().make(folder);
    QElapsedTimer clock;
    clock.start();
    const Result<RomImage> image = ReadRomFile(path);
    EXPECT_LT(clock.elapsed(), 2000);
    ASSERT_FALSE(image);
    EXPECT_TRUE(image.reason().contains(QString::fromUtf8(GetParam().says))) << image.reason().toStdString();
    // The editor's look before its questions says the same, as fast.
    const Status checked = CheckRomFile(path);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_FALSE(checked.ok());
    EXPECT_EQ(checked.reason(), image.reason());
}

TEST(CheckRomFile, TakesARegularFileUpToTheLargestRom)
{
    RomFolder folder;
    const QString largest = folder.write(QStringLiteral("largest.nes"), QByteArray(16, '\0'));
    ASSERT_TRUE(QFile(largest).resize(kLargestRom));
    EXPECT_TRUE(CheckRomFile(largest).ok()) << CheckRomFile(largest).reason().toStdString();
    ASSERT_TRUE(QFile(largest).resize(kLargestRom + 1));
    EXPECT_FALSE(CheckRomFile(largest).ok());
    EXPECT_FALSE(CheckRomFile(QString()).ok());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedSourceTest,
    ::testing::Values(
        PathCase{"Fifo", [](const RomFolder& f) { return f.fifo(QStringLiteral("pipe.nes")); }, "通常のファイルではありません"},
        PathCase{"EndlessDevice", [](const RomFolder&) { return QStringLiteral("/dev/zero"); }, "通常のファイルではありません"},
        PathCase{"Folder", [](const RomFolder& f) { return f.path(QString()); }, "通常のファイルではありません"},
        PathCase{"OneGibibyte",
               [](const RomFolder& f) {
                   const QString path = f.write(QStringLiteral("huge.nes"), QByteArray(16, '\0'));
                   QFile(path).resize(qint64{1} << 30);
                   return path;
               },
               "ROM ではありません"},
        PathCase{"Missing", [](const RomFolder& f) { return f.path(QStringLiteral("gone.nes")); }, "gone.nes"}),
    [](const auto& info) { return std::string(info.param.name); });

// A message names the file as it is called, even when its name looks like
// a placeholder of the message.
TEST(ReadRomFile, ANameWithPercentSignsIsNamedAsItIs)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("a%1b%2.nes"), QByteArray(16, '\0'));
    QFile(path).resize(qint64{1} << 30);
    const Result<RomImage> image = ReadRomFile(path);
    ASSERT_FALSE(image);
    EXPECT_TRUE(image.reason().contains(QStringLiteral("a%1b%2.nes"))) << image.reason().toStdString();
    EXPECT_TRUE(image.reason().contains(QStringLiteral("1073741824"))) << image.reason().toStdString();
}

TEST(ReadRomFile, ReadsTheWholeFileUpToSixteenMebibytes)
{
    RomFolder folder;
    QByteArray bytes(kLargestRom, '\0');
    bytes[kLargestRom - 1] = 0x5A;
    const Result<RomImage> image = ReadRomFile(folder.write(QStringLiteral("large.nes"), bytes));
    ASSERT_TRUE(image) << image.reason().toStdString();
    EXPECT_EQ(image->bytes(), bytes);
}

// A second writer of the same ROM waits for the first and, when it takes too
// long, gives up saying so; readers share the file.
TEST(LockedRom, AWriterWaitsForTheOtherAndGivesUpInTime)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), test::SyntheticRom(64));
    const Result<LockedRom> first = LockedRom::Open(path, LockedRom::Access::Update);
    ASSERT_TRUE(first);
    QElapsedTimer clock;
    clock.start();
    const Result<LockedRom> second = LockedRom::Open(path, LockedRom::Access::Update, 300ms);
    EXPECT_GE(clock.elapsed(), 300);
    ASSERT_FALSE(second);
    EXPECT_TRUE(second.reason().contains(QStringLiteral("使用中"))) << second.reason().toStdString();
    EXPECT_FALSE(LockedRom::Open(path, LockedRom::Access::Read, 100ms));

    const Result<LockedRom> reader = LockedRom::Open(folder.write(QStringLiteral("b.nes"), test::SyntheticRom(64)),
                                                     LockedRom::Access::Read);
    ASSERT_TRUE(reader);
    EXPECT_TRUE(LockedRom::Open(folder.path(QStringLiteral("b.nes")), LockedRom::Access::Read, 100ms));
}

// The first writer replaces the file while the second waits: the second then
// reads the new file, not the old one it was waiting on.
TEST(LockedRom, AWaitingWriterReadsTheFileThatReplacedTheOld)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), QByteArray("old bytes"));
    std::optional<Result<LockedRom>> first(LockedRom::Open(path, LockedRom::Access::Update));
    ASSERT_TRUE(first->ok());
    std::thread replacer([&] {
        std::this_thread::sleep_for(200ms);
        const QString fresh = folder.write(QStringLiteral("fresh.nes"), QByteArray("new bytes"));
        ::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData());
        first.reset();
    });
    const Result<LockedRom> second = LockedRom::Open(path, LockedRom::Access::Update, 5000ms);
    replacer.join();
    ASSERT_TRUE(second) << second.reason().toStdString();
    EXPECT_EQ(second->image().bytes(), QByteArray("new bytes"));
}

} // namespace
} // namespace quindaro2
