#include "core/file/InPlaceWrite.h"
#include "support/SmallFileSystem.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace quindaro2 {
namespace {

using test::ReadFile;

constexpr qint64 kSize = 16 * 1024 * 1024;
constexpr int kRounds = 200;

QByteArray RandomBytes(quint32 seed)
{
    QByteArray bytes(kSize, Qt::Uninitialized);
    QRandomGenerator random(seed);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), kSize / 4);
    return bytes;
}

bool Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// How long an uninterrupted write of the image takes, in milliseconds.
qint64 WholeWrite(const QString& target, const QString& source)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(QStringLiteral(QUINDARO2_DRIVER), {QStringLiteral("write"), target, source});
    process.waitForFinished(120000);
    return process.exitCode() == 0 ? timer.elapsed() : -1;
}

// A 16 MiB image written over a hard-linked 16 MiB file, in place, by a
// child killed at a random moment, 200 times: each time the file holds its
// old bytes or its new ones, or a named backup beside it holds the old ones.
TEST(KillDuringInPlaceWrite, TheFileIsOldOrNewOrItsBackupHoldsTheOldBytes)
{
    // On a file system in memory when it can be had: the disk is shared.
    test::SmallFileSystem memory(4 * kSize);
    QTemporaryDir disk;
    const auto path = [&](const QString& name) {
        return memory.mounted() ? memory.path(name) : disk.filePath(name);
    };
    const QString target = path(QStringLiteral("rom.nes"));
    const QString other = path(QStringLiteral("other.nes"));
    const QString source = path(QStringLiteral("new.nes"));
    const QString backup = SaveBackupPath(target);
    const QByteArray old = RandomBytes(1);
    const QByteArray fresh = RandomBytes(2);
    ASSERT_TRUE(Put(target, old) && Put(source, fresh));
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(other).constData()), 0);
    const qint64 whole = WholeWrite(target, source);
    ASSERT_GT(whole, 0);
    ASSERT_EQ(ReadFile(other), fresh);

    int asOld = 0, asNew = 0, withBackup = 0;
    QRandomGenerator random(23);
    for (int round = 0; round < kRounds; ++round) {
        ASSERT_TRUE(Put(target, old));
        QFile::remove(backup);
        QProcess child;
        child.start(QStringLiteral(QUINDARO2_DRIVER), {QStringLiteral("write"), target, source});
        ASSERT_TRUE(child.waitForStarted());
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(static_cast<int>(whole * 1000 + 1000))));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();

        const QByteArray now = ReadFile(other);
        if (QFile::exists(backup)) {
            ++withBackup;
            EXPECT_TRUE(now == old || ReadFile(backup) == old) << "round " << round << ": torn, and the backup is not the old file";
        } else if (now == old) {
            ++asOld;
        } else {
            ++asNew;
            EXPECT_EQ(now, fresh) << "round " << round << ": torn without a backup";
        }
    }
    RecordProperty("old", asOld);
    RecordProperty("new", asNew);
    RecordProperty("backup", withBackup);
    std::printf("[ kills    ] %d rounds of %lld ms: %d old, %d new, %d with the backup\n", kRounds,
                static_cast<long long>(whole), asOld, asNew, withBackup);
    // The kills fell inside the write, not only before or after it.
    EXPECT_GT(withBackup, 0);
}

} // namespace
} // namespace quindaro2
