#include "cli/Cli.h"
#include "core/export/PlayerExport.h"
#include "core/import/TextLines.h"
#include "core/patch/Patch.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "core/sample/DemoRom.h"
#include "support/ExportText.h"
#include "support/SmallFileSystem.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace quindaro2 {
namespace {

using test::ReadFile;
using test::RomFolder;

QStringList Set(const QString& rom, const QString& value = QStringLiteral("45"))
{
    return {QStringLiteral("set"),    QStringLiteral("--edition"), QStringLiteral("93"), QStringLiteral("--team"),
            QStringLiteral("2"),      QStringLiteral("--grid"),    QStringLiteral("batter"), QStringLiteral("--row"),
            QStringLiteral("1"),      QStringLiteral("--column"),  QStringLiteral("4"),  value,
            rom};
}

QString Cell(const QString& rom)
{
    return FillTeam(*FindProfile(1993), test::FileImage(rom), 2).BatterGrid.cell(4, 1);
}

// The files a command of the table works on.
struct Files {
    Files()
    {
        rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
        QStringList lines = test::ExportLines(RomImage(ReadFile(rom)), 1993);
        test::SetField(lines, test::ExportLineIndex(1993, 2, RecordKind::Batter, 0), 4, QStringLiteral("45"));
        players = folder.write(QStringLiteral("players.txt"), test::ShiftJisText(lines));
        QByteArray modified = ReadFile(rom);
        modified[0x2000] = 'x';
        patch = folder.write(QStringLiteral("update.ips"), CreatePatch(PatchKind::Ips, ReadFile(rom), modified).value());
    }

    RomFolder folder;
    QString rom;
    QString players;
    QString patch;
};

struct OutputCase {
    const char* name;
    std::function<QStringList(const Files&, const QString& out)> arguments;
};

void PrintTo(const OutputCase& c, std::ostream* out)
{
    *out << c.name;
}

class StandardOutputTest : public ::testing::TestWithParam<OutputCase> {};

// An output that is standard output by name, redirected into a file, gets
// the bytes a file of its own gets and nothing else: every message of the
// tool goes to standard error.
TEST_P(StandardOutputTest, HoldsTheDataAndNoMessage)
{
    const Files files;
    const QString own = files.folder.path(QStringLiteral("own.out"));
    const Outcome toFile = RunTool(GetParam().arguments(files, own));
    ASSERT_EQ(toFile.code, 0) << toFile.err.toStdString();
    EXPECT_TRUE(toFile.out.isEmpty()) << toFile.out.toStdString();
    EXPECT_TRUE(toFile.err.contains(own)) << toFile.err.toStdString();
    const QByteArray expected = ReadFile(own);
    ASSERT_FALSE(expected.isEmpty());

    const QString redirected = files.folder.path(QStringLiteral("so.out"));
    const Outcome toStdout = RunShell(QStringLiteral("out=\"$1\"; shift; \"$0\" \"$@\" > \"$out\""),
                                      QStringList{redirected} + GetParam().arguments(files, QStringLiteral("/dev/stdout")));
    ASSERT_EQ(toStdout.code, 0) << toStdout.err.toStdString();
    EXPECT_TRUE(toStdout.err.contains(QStringLiteral("/dev/stdout"))) << toStdout.err.toStdString();
    EXPECT_EQ(ReadFile(redirected), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, StandardOutputTest,
    ::testing::Values(
        OutputCase{"Set", [](const Files& f, const QString& out) { return Set(f.rom) + QStringList{QStringLiteral("--output"), out}; }},
        OutputCase{"Import",
                   [](const Files& f, const QString& out) {
                       return QStringList{QStringLiteral("import"), QStringLiteral("--edition"), QStringLiteral("93"), f.rom,
                                          f.players, QStringLiteral("--output"), out};
                   }},
        OutputCase{"PatchApply",
                   [](const Files& f, const QString& out) {
                       return QStringList{QStringLiteral("patch"), QStringLiteral("apply"), f.rom, f.patch, out};
                   }},
        OutputCase{"Export",
                   [](const Files& f, const QString& out) {
                       return QStringList{QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("93"), f.rom, out};
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

struct RomAlias {
    const char* name;
    std::function<QString(const Files&)> make;
};

void PrintTo(const RomAlias& c, std::ostream* out)
{
    *out << c.name;
}

class OutputIsTheRomTest : public ::testing::TestWithParam<RomAlias> {};

// `--output` promises that the ROM stays as it is: an output that is the ROM
// under any name is refused, saying how to edit it in place.
TEST_P(OutputIsTheRomTest, IsRefusedAndTheRomKeepsItsBytes)
{
    const Files files;
    const QByteArray image = ReadFile(files.rom);
    const QString alias = GetParam().make(files);
    for (const QStringList& command :
         {Set(files.rom) + QStringList{QStringLiteral("--output"), alias},
          QStringList{QStringLiteral("import"), QStringLiteral("--edition"), QStringLiteral("93"), files.rom, files.players,
                      QStringLiteral("--output"), alias}}) {
        const Outcome outcome = RunTool(command);
        EXPECT_EQ(outcome.code, 2) << command.first().toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("--output を省いてください"))) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("何も書き込んでいません"))) << outcome.err.toStdString();
        EXPECT_EQ(ReadFile(files.rom), image);
    }
    // Without --output the ROM itself is written.
    EXPECT_EQ(RunTool(Set(files.rom)).code, 0);
    EXPECT_EQ(Cell(files.rom), QStringLiteral("45"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, OutputIsTheRomTest,
    ::testing::Values(RomAlias{"SameName", [](const Files& f) { return f.rom; }},
                      RomAlias{"HardLink",
                               [](const Files& f) {
                                   const QString link = f.folder.path(QStringLiteral("hard.nes"));
                                   ::link(QFile::encodeName(f.rom).constData(), QFile::encodeName(link).constData());
                                   return link;
                               }},
                      RomAlias{"SymbolicLink",
                               [](const Files& f) {
                                   const QString link = f.folder.path(QStringLiteral("soft.nes"));
                                   QFile::link(f.rom, link);
                                   return link;
                               }},
                      RomAlias{"AnotherSpelling",
                               [](const Files& f) {
                                   QDir().mkpath(f.folder.path(QStringLiteral("sub")));
                                   return f.folder.path(QStringLiteral("sub/../rom.nes"));
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// Full-width digits, as input methods type them, are the number they show.
TEST(SetValue, FullWidthDigitsAreTheirNumber)
{
    const Files files;
    const Outcome wide = RunTool(Set(files.rom, QStringLiteral("４５")));
    EXPECT_EQ(wide.code, 0) << wide.err.toStdString();
    EXPECT_EQ(Cell(files.rom), QStringLiteral("45"));
    const Outcome tooLarge = RunTool(Set(files.rom, QStringLiteral("１２３")));
    EXPECT_EQ(tooLarge.code, 2);
    EXPECT_TRUE(tooLarge.err.contains(QStringLiteral("の値 123 は範囲外です"))) << tooLarge.err.toStdString();
}

// No warning of Qt's own reaches the terminal: here the backup of an
// in-place save cannot be made, on a disk without a free inode.
TEST(QtWarnings, NeverReachTheTerminal)
{
    test::SmallFileSystem disk(2 * 1024 * 1024, 16);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const QString rom = disk.path(QStringLiteral("rom.nes"));
    {
        QFile file(rom);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(DemoRomImage(1993)), 0x40010);
    }
    ASSERT_EQ(::link(QFile::encodeName(rom).constData(), QFile::encodeName(disk.path(QStringLiteral("other.nes"))).constData()), 0);
    disk.useEveryInode();
    const QByteArray image = ReadFile(rom);
    const Outcome outcome = RunTool(Set(rom));
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("バックアップを作れません"))) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err.count(u'\n'), 1) << outcome.err.toStdString();
    EXPECT_FALSE(outcome.err.contains(QStringLiteral("QFile"))) << outcome.err.toStdString();
    EXPECT_EQ(ReadFile(rom), image);
}

// What the handler of Qt's messages lets through: critical and fatal ones only.
TEST(QtWarnings, OnlyCriticalMessagesPass)
{
    FILE* captured = std::tmpfile();
    ASSERT_NE(captured, nullptr);
    const int saved = ::dup(2);
    ::dup2(::fileno(captured), 2);
    cli::QuietQtMessages();
    qDebug("a debug message");
    qWarning("QFile::remove: Empty or null file name");
    qCritical("a critical one");
    qInstallMessageHandler(nullptr);
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::rewind(captured);
    char text[256] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, captured);
    std::fclose(captured);
    EXPECT_EQ(QByteArray(text, static_cast<qsizetype>(length)), QByteArray("quindaro2-cli: a critical one\n"));
}

// Runs the tool with its messages into `err`, as a child of our own, so that
// its peak memory can be read when it is reaped.
bool RunMeasured(const QStringList& arguments, const QString& err, int& status, struct rusage& usage)
{
    std::vector<QByteArray> words{QFile::encodeName(ToolPath())};
    for (const QString& argument : arguments)
        words.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray errName = QFile::encodeName(err);
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const int out = ::open("/dev/null", O_WRONLY);
        const int messages = ::open(errName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(messages, 2);
        ::setenv("QUINDARO2_LANG", "ja", 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return ::wait4(child, &status, 0, &usage) == child;
}

// A text of any size or shape costs an import well under 50 MB and a few
// lines of messages: one too large is refused before it is read, the
// problems of one that is no export are listed up to 100.
TEST(ImportBounds, AHostileTextIsRefusedWithLittleMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own memory hides what the import takes";
#endif
    const Files files;
    const QByteArray image = ReadFile(files.rom);
    const QString huge = files.folder.write(QStringLiteral("huge.csv"), QByteArray("\"a\n").repeated(4 * 1024 * 1024 / 3));
    const QString quoted = files.folder.write(QStringLiteral("quoted.csv"), QByteArray("\"a\n").repeated(kMostImportLines));
    for (const QStringList& texts : {QStringList{huge}, QStringList{quoted}, QStringList{quoted, quoted, huge}}) {
        const QStringList arguments =
            QStringList{QStringLiteral("import"), QStringLiteral("--edition"), QStringLiteral("93"), files.rom} + texts;
        int status = 0;
        struct rusage usage {};
        ASSERT_TRUE(RunMeasured(arguments, files.folder.path(QStringLiteral("err.txt")), status, usage));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
        EXPECT_LT(usage.ru_maxrss, 50 * 1024) << "KiB, for " << texts.join(u' ').toStdString();
        const QByteArray err = ReadFile(files.folder.path(QStringLiteral("err.txt")));
        EXPECT_LE(err.count('\n'), 105) << err.left(400).toStdString();
        EXPECT_EQ(ReadFile(files.rom), image);
    }
}

} // namespace
} // namespace quindaro2
