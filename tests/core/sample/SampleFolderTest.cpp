#include "core/sample/DemoRom.h"
#include "core/sample/SampleFolder.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::RomFolder;

const QDateTime kNow(QDate(2026, 12, 8), QTime(22, 15, 3));

// Every sample is a new file under a name of its own, holding the sample ROM
// of its edition, and nothing is written over.
TEST(SampleFolder, EverySampleIsANewFile)
{
    RomFolder folder;
    const QString samples = folder.path(QStringLiteral("data/samples"));
    QStringList made;
    for (int round = 0; round < 3; ++round) {
        const Result<QString> sample = CreateSample(samples, 1988, kNow);
        ASSERT_TRUE(sample) << sample.reason().toStdString();
        EXPECT_FALSE(made.contains(sample.value()));
        EXPECT_TRUE(IsSampleName(QFileInfo(sample.value()).fileName())) << sample->toStdString();
        EXPECT_TRUE(QFileInfo(sample.value()).fileName().startsWith(QStringLiteral("サンプル1988年版")));
        EXPECT_EQ(ReadFile(sample.value()), DemoRomImage(1988));
        made << sample.value();
    }
    EXPECT_FALSE(CreateSample(samples, 1985, kNow));
}

// Only samples that have not been written for 30 days go; a user's file in
// the folder, whatever its age, stays.
TEST(SampleFolder, OldSamplesGoOthersStay)
{
    RomFolder folder;
    const QString samples = folder.path(QStringLiteral("samples"));
    const QString old = CreateSample(samples, 1990, kNow.addDays(-40)).value();
    const QString recent = CreateSample(samples, 1991, kNow.addDays(-5)).value();
    const QString mine = QDir(samples).filePath(QStringLiteral("my rom.nes"));
    QFile(old).copy(mine);
    for (const auto& [path, age] : {std::pair{old, 31}, std::pair{recent, 29}, std::pair{mine, 400}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(kNow.addDays(-age), QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(RemoveOldSamples(samples, kNow), 1);
    EXPECT_FALSE(QFileInfo::exists(old));
    EXPECT_TRUE(QFileInfo::exists(recent));
    EXPECT_TRUE(QFileInfo::exists(mine));
    EXPECT_EQ(RemoveOldSamples(folder.path(QStringLiteral("none")), kNow), 0);
}

// What the clean-up must never take, however old: a file whose name only
// looks like a sample's, a sample the user saved into, a link, and the files
// of another folder that the samples folder links to.
TEST(SampleFolder, TheCleanUpTakesOnlyUntouchedSamplesOfItsOwnFolder)
{
    RomFolder folder;
    const QString samples = folder.path(QStringLiteral("samples"));
    const QString untouched = CreateSample(samples, 1993, kNow).value();
    const QString saved = CreateSample(samples, 1993, kNow.addSecs(1)).value();
    QByteArray edited = DemoRomImage(1993);
    edited[0x8000] = static_cast<char>(edited[0x8000] ^ 1);
    ASSERT_TRUE(QFile(saved).remove());
    folder.write(QStringLiteral("samples/") + QFileInfo(saved).fileName(), edited);
    const QString newline = QDir(samples).filePath(QFileInfo(untouched).fileName() + u'\n');
    ASSERT_TRUE(QFile::copy(untouched, newline));
    const QString link = QDir(samples).filePath(QStringLiteral("サンプル1993年版 2026-12-08 000000.nes"));
    ASSERT_TRUE(QFile::link(untouched, link));

    const QString elsewhere = folder.path(QStringLiteral("elsewhere"));
    const QString theirs = CreateSample(elsewhere, 1990, kNow).value();
    const QString linkedFolder = folder.path(QStringLiteral("linked"));
    ASSERT_TRUE(QFile::link(elsewhere, linkedFolder));

    for (const QString& path : {untouched, saved, newline, theirs}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(kNow.addDays(-40), QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(RemoveOldSamples(linkedFolder, kNow), 0);
    EXPECT_TRUE(QFileInfo::exists(theirs));
    EXPECT_EQ(RemoveOldSamples(samples, kNow), 1);
    EXPECT_FALSE(QFileInfo::exists(untouched));
    for (const QString& kept : {saved, newline})
        EXPECT_TRUE(QFileInfo::exists(kept)) << kept.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST(SampleFolder, NamesOfSamples)
{
    EXPECT_TRUE(IsSampleName(QStringLiteral("サンプル1993年版 2026-12-08 221503.nes")));
    EXPECT_TRUE(IsSampleName(QStringLiteral("サンプル1993年版 2026-12-08 221503 (2).nes")));
    EXPECT_FALSE(IsSampleName(QStringLiteral("サンプル1993年版.nes")));
    EXPECT_FALSE(IsSampleName(QStringLiteral("game.nes")));
    EXPECT_FALSE(IsSampleName(QStringLiteral("サンプル1993年版 2026-12-08 221503.nes.bak")));
    EXPECT_FALSE(IsSampleName(QStringLiteral("サンプル1993年版 2026-12-08 221503.nes\n")));
}

} // namespace
} // namespace quindaro2
