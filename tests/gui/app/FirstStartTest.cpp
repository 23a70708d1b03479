#include "core/sample/DemoRom.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace quindaro2 {
namespace {

struct Started {
    int code = -1;
    QString out;
};

// Runs the editor's start of scripts/run, with the short-lived editor in place
// of the real one.
Started StartEditor(const QString& samples, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QUINDARO2_LANG"), QStringLiteral("ja"));
    QTemporaryDir home;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/bash"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("source \"$0\" && quindaro2_start_editor \"$@\""),
                              QStringLiteral(QUINDARO2_SOURCE "/scripts/lib/start-editor.sh"),
                              QStringLiteral(QUINDARO2_CLI), QStringLiteral(QUINDARO2_PROBE), samples}
                      + arguments);
    Started started;
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "the editor did not end";
        process.kill();
        process.waitForFinished();
        return started;
    }
    started.code = process.exitCode();
    started.out = QString::fromUtf8(process.readAllStandardOutput());
    return started;
}

// Without arguments the editor starts on a sample of the 1993 edition, made
// the first time and kept; the caption names it.
TEST(FirstStart, TheEditorOpensASampleMadeOnce)
{
    QTemporaryDir folder;
    const QString samples = folder.filePath(QStringLiteral("sample"));
    const QString sample = samples + QStringLiteral("/サンプル1993年版.nes");
    const Started first = StartEditor(samples, {});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(test::ReadFile(sample), DemoRomImage(1993));
    EXPECT_TRUE(first.out.contains(QStringLiteral("QUINDARO2 - サンプル1993年版.nes"))) << first.out.toStdString();

    // Made once: what the user saved into it stays.
    QFile file(sample);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(0x6011);
    file.write("\x08", 1);
    file.close();
    const QByteArray saved = test::ReadFile(sample);
    EXPECT_EQ(StartEditor(samples, {}).code, 0);
    EXPECT_EQ(test::ReadFile(sample), saved);
}

// With arguments the editor opens what they name.
TEST(FirstStart, ArgumentsGoToTheEditor)
{
    QTemporaryDir folder;
    const QString rom = folder.filePath(QStringLiteral("game.nes"));
    ASSERT_TRUE(WriteDemoRom(rom, 1988).ok());
    const Started started = StartEditor(folder.filePath(QStringLiteral("sample")), {rom, QStringLiteral("--edition"), QStringLiteral("88")});
    EXPECT_EQ(started.code, 0);
    EXPECT_TRUE(started.out.contains(QStringLiteral("QUINDARO2 - game.nes"))) << started.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("sample"))));
}

} // namespace
} // namespace quindaro2
