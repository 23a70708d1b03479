#include "core/sample/DemoRom.h"
#include "core/export/PlayerExport.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "support/SmallFileSystem.h"
#include "support/PathCase.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <thread>
#include <vector>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::ReadFile;
using test::PathCase;
using test::RomFolder;

const QString k93 = QStringLiteral("93");

QByteArray ExportOf(const QByteArray& rom, ExportMode mode = ExportMode::OneFile, int team = 0)
{
    const Result<std::vector<ExportFile>> files =
        PlayerExportFiles(RomImage(rom), QStringLiteral("rom.nes"), 1993, QStringLiteral("players.txt"), mode);
    return files ? files.value()[static_cast<std::size_t>(mode == ExportMode::OneFile ? 0 : team)].bytes : QByteArray();
}

QStringList SetArguments(const QString& rom, const QString& row, const QString& value)
{
    return {QStringLiteral("set"),    QStringLiteral("--edition"), k93,    QStringLiteral("--team"),
            QStringLiteral("2"),      QStringLiteral("--grid"),    QStringLiteral("batter"),
            QStringLiteral("--row"),  row,                         QStringLiteral("--column"),
            QStringLiteral("4"),      value,                       rom};
}

QString Cell(const QString& rom, int row)
{
    return FillTeam(*FindProfile(1993), test::FileImage(rom), 2).BatterGrid.cell(4, row);
}

// --- sources that are no ROM file --------------------------------------------

class NoRomTest : public ::testing::TestWithParam<PathCase> {};

// Every command refuses at once, with one message, and writes nothing.
TEST_P(NoRomTest, EveryCommandRefusesAtOnce)
{
    RomFolder folder;
    const QString source = GetParam().make(folder);
    const QString out = folder.path(QStringLiteral("out"));
    const std::vector<QStringList> commands{
        {QStringLiteral("show"), QStringLiteral("--edition"), k93, QStringLiteral("--team"), QStringLiteral("0"), source},
        {QStringLiteral("export"), QStringLiteral("--edition"), k93, source, out},
        SetArguments(source, QStringLiteral("1"), QStringLiteral("5")) + QStringList{QStringLiteral("--output"), out},
    };
    for (const QStringList& command : commands) {
        const Outcome outcome = RunTool(command);
        EXPECT_EQ(outcome.code, 1) << command.first().toStdString();
        EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(GetParam().says))) << outcome.err.toStdString();
        EXPECT_EQ(outcome.err.count(u'\n'), 1) << outcome.err.toStdString();
        EXPECT_FALSE(FileExists(out));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, NoRomTest,
    ::testing::Values(PathCase{"Fifo", [](const RomFolder& f) { return f.fifo(QStringLiteral("pipe.nes")); },
                               "通常のファイルではありません"},
                      PathCase{"DevZero", [](const RomFolder&) { return QStringLiteral("/dev/zero"); },
                             "通常のファイルではありません"},
                      PathCase{"OneGibibyteFile",
                             [](const RomFolder& f) {
                                 const QString path = f.write(QStringLiteral("huge.nes"), DemoRomImage(1993));
                                 QFile(path).resize(qint64{1} << 30);
                                 return path;
                             },
                             "ROM ではありません"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- outputs that are not regular files ------------------------------------------

TEST(ExportOutput, ADashIsStandardOutput)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1993);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const Outcome outcome = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), k93, rom, QStringLiteral("-")});
    EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.rawOut, ExportOf(image));
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("-"))));

    const Outcome perTeam = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), k93, QStringLiteral("--per-team"),
                                     rom, QStringLiteral("-")});
    EXPECT_EQ(perTeam.code, 2);
}

// `export ROM /dev/stdout >> log`: the log keeps its earlier lines.
TEST(ExportOutput, DevStdoutAppendsToARedirectedLog)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1993);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString log = folder.write(QStringLiteral("log.txt"), QByteArray("earlier line\n"));
    const Outcome outcome = RunShell(QStringLiteral("\"$0\" export --edition 93 \"$1\" /dev/stdout >> \"$2\""), {rom, log});
    EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QByteArray written = ReadFile(log);
    EXPECT_TRUE(written.startsWith("earlier line\n"));
    EXPECT_TRUE(written.contains(ExportOf(image)));
}

// A FIFO named as the output gets the bytes through the pipe and stays a FIFO,
// for the export and for `set --output`.
TEST(ExportOutput, AFifoIsWrittenIntoAndStaysAFifo)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1993);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString fifo = folder.fifo(QStringLiteral("pipe"));
    for (const QStringList& command : {QStringList{QStringLiteral("export"), QStringLiteral("--edition"), k93, rom, fifo},
                                        SetArguments(rom, QStringLiteral("1"), QStringLiteral("5"))
                                            + QStringList{QStringLiteral("--output"), fifo}}) {
        QByteArray received;
        std::thread reader([&] {
            QFile in(fifo);
            if (in.open(QIODevice::ReadOnly))
                received = in.readAll();
        });
        const Outcome outcome = RunTool(command);
        reader.join();
        EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
        EXPECT_GE(received.size(), command.first() == QStringLiteral("set") ? image.size() : 1000);
        struct stat info {};
        ::stat(QFile::encodeName(fifo).constData(), &info);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
    }
    EXPECT_EQ(ReadFile(rom), image);
}

TEST(StandardOutput, AWriteErrorIsAFileError)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    ToolRun full;
    full.standardOutputFile = QStringLiteral("/dev/full");
    const Outcome outcome = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), k93, QStringLiteral("--team"),
                                     QStringLiteral("0"), rom},
                                    full);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("標準出力に書き込めません"))) << outcome.err.toStdString();
}

// --- names -----------------------------------------------------------------

// A name that is no valid UTF-8 cannot be passed on unchanged: refused, and no
// file of another name is written in its place.
TEST(FileNames, NamesThatAreNoValidTextAreRefused)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    QDir dir(folder.path(QString()));
    const QStringList before = dir.entryList(QDir::Files);
    const Outcome set = RunShell(
        QStringLiteral("cd \"$1\" && \"$0\" set --edition 93 --team 0 --grid batter --row 1 --column 4 5 rom.nes "
                       "--output \"$(printf 'o\\377.nes')\""),
        {folder.path(QString())});
    EXPECT_EQ(set.code, 2) << set.err.toStdString();
    EXPECT_TRUE(set.err.contains(QStringLiteral("o\\xff.nes"))) << set.err.toStdString();
    EXPECT_EQ(dir.entryList(QDir::Files), before);

    const Outcome show = RunShell(QStringLiteral("cd \"$1\" && cp rom.nes \"$(printf 'bad\\377.nes')\" && "
                                                 "\"$0\" show --edition 93 --team 0 \"$(printf 'bad\\377.nes')\""),
                                  {folder.path(QString())});
    EXPECT_EQ(show.code, 2);
    EXPECT_FALSE(show.err.contains(QStringLiteral("No such file"))) << show.err.toStdString();
}

TEST(FileNames, ControlCharactersAreShownEscaped)
{
    RomFolder folder;
    const Outcome outcome = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), k93, QStringLiteral("--team"),
                                     QStringLiteral("0"), folder.path(QStringLiteral("\x1b[2Jrom.nes"))});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_FALSE(outcome.err.contains(QChar(0x1b)));
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("\\x1b[2Jrom.nes"))) << outcome.err.toStdString();
}

TEST(Messages, SayWhatHappenedToTheTarget)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1993);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const Outcome missing = RunTool(SetArguments(rom, QStringLiteral("1"), QStringLiteral("5"))
                                    + QStringList{QStringLiteral("--output"), folder.path(QStringLiteral("no/out.nes"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("何も書き込んでいません"))) << missing.err.toStdString();
    EXPECT_FALSE(missing.err.contains(QStringLiteral("元のまま"))) << missing.err.toStdString();

    const Outcome huge = RunTool(SetArguments(rom, QStringLiteral("1"), QStringLiteral("2147483648")));
    EXPECT_EQ(huge.code, 2);
    EXPECT_TRUE(huge.err.contains(QStringLiteral("範囲外"))) << huge.err.toStdString();

    const Outcome empty = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), k93, rom, QString()});
    EXPECT_EQ(empty.code, 2);
    EXPECT_EQ(ReadFile(rom), image);
}

// --- saving ------------------------------------------------------------------------

TEST(SetInPlace, AHardLinkedRomStaysOneFile)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    const QString other = folder.path(QStringLiteral("other.nes"));
    ASSERT_EQ(::link(QFile::encodeName(rom).constData(), QFile::encodeName(other).constData()), 0);
    const Outcome outcome = RunTool(SetArguments(rom, QStringLiteral("1"), QStringLiteral("5")));
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(Cell(other, 1), QStringLiteral("5"));
    EXPECT_EQ(ReadFile(other), ReadFile(rom));
    EXPECT_EQ(QDir(folder.path(QString())).entryList(QDir::Files).size(), 2);
}

// No save copies the ROM into the folder of temporary files, not even one
// that fails.
TEST(SetInPlace, NoScratchCopyIsMadeAnywhere)
{
    RomFolder folder;
    QTemporaryDir scratch;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    ToolRun run;
    run.environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    EXPECT_EQ(RunTool(SetArguments(rom, QStringLiteral("1"), QStringLiteral("5")), run).code, 0);
    EXPECT_EQ(RunTool(SetArguments(rom, QStringLiteral("1"), QStringLiteral("6"))
                          + QStringList{QStringLiteral("--output"), folder.path(QStringLiteral("no/out.nes"))},
                      run)
                  .code,
              1);
    EXPECT_TRUE(QDir(scratch.path()).isEmpty());
    EXPECT_EQ(QDir(folder.path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("rom.nes")});
}

// Two saves of the same ROM at the same moment: the second waits for the
// first, so both edits are in the file.
TEST(SetInPlace, ConcurrentSavesKeepEveryEdit)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1993));
    for (int pair = 0; pair < 5; ++pair) {
        const QString first = QString::number(10 + pair);
        const QString second = QString::number(30 + pair);
        const Outcome both = RunShell(QStringLiteral("\"$0\" set --edition 93 --team 2 --grid batter --row 1 --column 4 "
                                                     "\"$2\" \"$1\" & \"$0\" set --edition 93 --team 2 --grid batter "
                                                     "--row 2 --column 4 \"$3\" \"$1\"; a=$?; wait $!; b=$?; exit $((a + b))"),
                                      {rom, first, second});
        EXPECT_EQ(both.code, 0) << both.err.toStdString();
        EXPECT_EQ(Cell(rom, 1), first);
        EXPECT_EQ(Cell(rom, 2), second);
    }
}

// --- a full disk ---------------------------------------------------------------

// With a previous export on a nearly full disk, a new export fails, says why
// and leaves the previous files whole, in one file and per team.
TEST(FullDisk, TheExportFailsAndKeepsThePreviousFiles)
{
    test::SmallFileSystem disk(512 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const QByteArray image = DemoRomImage(1993);
    const QString rom = disk.path(QStringLiteral("rom.nes"));
    {
        QFile file(rom);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
    }
    const QString out = disk.path(QStringLiteral("players.txt"));
    for (const QStringList& mode : {QStringList{}, QStringList{QStringLiteral("--per-team")}})
        ASSERT_EQ(RunTool(QStringList{QStringLiteral("export"), QStringLiteral("--edition"), k93} + mode + QStringList{rom, out}).code, 0);
    const QByteArray oneFile = ReadFile(out);
    const QByteArray firstTeam = ReadFile(disk.path(QStringLiteral("players_T.txt")));

    // 12 KiB left: less than the one file needs, more than a team's file.
    // Then nothing left, so that the per-team files cannot be written either.
    for (const auto& [free, mode] : {std::pair{12 * 1024, QStringList{}}, std::pair{0, QStringList{QStringLiteral("--per-team")}}}) {
        ASSERT_TRUE(disk.leaveFree(free));
        const Outcome outcome =
            RunTool(QStringList{QStringLiteral("export"), QStringLiteral("--edition"), k93} + mode + QStringList{rom, out});
        EXPECT_EQ(outcome.code, 1) << outcome.out.toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("No space left on device"))) << outcome.err.toStdString();
    }
    EXPECT_EQ(ReadFile(out), oneFile);
    EXPECT_EQ(ReadFile(disk.path(QStringLiteral("players_T.txt"))), firstTeam);
    EXPECT_EQ(ReadFile(rom), image);
}

// A per-team export with room for a few of its files but not all: all or
// nothing, so every earlier file keeps its bytes and no file is said to be
// written.
TEST(FullDisk, APerTeamExportIsAllOrNothing)
{
    test::SmallFileSystem disk(1024 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const QByteArray image = DemoRomImage(1993);
    const QString rom = disk.path(QStringLiteral("rom.nes"));
    {
        QFile file(rom);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
    }
    const QString out = disk.path(QStringLiteral("t.csv"));
    const QStringList perTeam{QStringLiteral("export"), QStringLiteral("--edition"), k93, QStringLiteral("--per-team"), rom, out};
    ASSERT_EQ(RunTool(perTeam).code, 0);
    // The earlier export from another ROM, then room for five team files.
    const QString other = disk.path(QStringLiteral("other.nes"));
    {
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(DemoRomImage(1993, {7, true, false})) == image.size());
    }
    ASSERT_EQ(RunTool({QStringLiteral("export"), QStringLiteral("--edition"), k93, QStringLiteral("--per-team"), other, out}).code, 0);
    ASSERT_TRUE(QFile::remove(other));
    QDir dir(disk.path(QString()));
    std::map<QString, QByteArray> before;
    for (const QString& name : dir.entryList(QDir::Files))
        before[name] = ReadFile(dir.filePath(name));
    ASSERT_TRUE(disk.leaveFree(5 * 4096));
    const std::size_t files = before.size();

    const Outcome outcome = RunTool(perTeam);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_FALSE(outcome.err.contains(QStringLiteral("に書き込みました"))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("ほかのファイルにも何も書き込んでいません"))) << outcome.err.toStdString();
    QFile::remove(disk.path(QStringLiteral("filler")));
    EXPECT_EQ(static_cast<std::size_t>(dir.entryList(QDir::Files).size()), files) << dir.entryList(QDir::Files).join(u' ').toStdString();
    for (const auto& [name, bytes] : before)
        EXPECT_EQ(ReadFile(dir.filePath(name)), bytes) << name.toStdString();
}

} // namespace
} // namespace quindaro2
