#include "cli/CommandLine.h"
#include "core/sample/DemoRom.h"
#include "core/export/PlayerExport.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "support/SyntheticRom.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <QDir>

#include <set>
#include <vector>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::MakeRecord;
using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

// Offsets at which two images differ.
std::set<qint64> Differences(const QByteArray& a, const QByteArray& b)
{
    std::set<qint64> offsets;
    for (qint64 i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            offsets.insert(i);
    }
    return offsets;
}

TeamView Opened(const QString& path, int edition, int team)
{
    const TeamView shown = FillTeam(*FindProfile(edition), test::FileImage(path), team);
    EXPECT_TRUE(shown.readProblems.isEmpty());
    return shown;
}

// --- exit codes -------------------------------------------------------------

class ExitCodeTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ExitCodeTest, ExitsWithItsCodeAndSaysWhy)
{
    const ToolCase& c = GetParam();
    const CaseFiles files;
    const QByteArray image = ReadFile(files.rom());
    const Outcome outcome = RunTool(files.arguments(c));
    EXPECT_EQ(outcome.code, c.code) << outcome.err.toStdString();
    const QString& text = c.onStdout ? outcome.out : outcome.err;
    EXPECT_TRUE(text.contains(files.fill(c.message))) << text.toStdString();
    if (c.code == 2) {
        EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    }
    EXPECT_EQ(ReadFile(files.rom()), image) << "the ROM must keep its bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitCodeTest,
    ::testing::Values(
        ToolCase{"NoArguments", {}, 2, false, "使い方: quindaro2-cli <コマンド>"},
        ToolCase{"Help", {"--help"}, 0, true, "使い方: quindaro2-cli <コマンド>"},
        ToolCase{"ExportHelp", {"export", "--help"}, 0, true, "quindaro2-cli export --edition E [--per-team] ROM OUT"},
        ToolCase{"ShowHelp", {"show", "-h"}, 0, true, "quindaro2-cli show --edition E --team T ROM"},
        ToolCase{"SetHelp", {"help", "set"}, 0, true, "--grid batter|pitcher|manager"},
        ToolCase{"DemoHelp", {"demo", "--help"}, 0, true, "quindaro2-cli demo --edition E [--random SEED] [--trainer] OUT"},
        ToolCase{"UnknownCommand", {"frobnicate"}, 2, false, "frobnicate"},
        ToolCase{"UnknownOption", {"show", "--edition", "93", "--team", "0", "--colour", "{rom}"}, 2, false, "--colour"},
        ToolCase{"BadEdition", {"show", "--edition", "95", "--team", "0", "{rom}"}, 2, false, "86～94"},
        ToolCase{"MissingEdition", {"export", "{rom}", "{out}"}, 2, false, "--edition"},
        ToolCase{"AmbiguousTeam", {"show", "--edition", "93", "--team", "C", "{rom}"}, 2, false, "3、13"},
        ToolCase{"UnknownTeam", {"show", "--edition", "1993", "--team", "16", "{rom}"}, 2, false, "0～15"},
        ToolCase{"MissingOperand", {"export", "--edition", "93", "{rom}"}, 2, false, "OUT"},
        ToolCase{"UnknownGrid",
                 {"set", "--edition", "93", "--team", "0", "--grid", "coach", "--row", "1", "--column", "1", "1", "{rom}"},
                 2, false, "batter"},
        ToolCase{"MissingRomShow", {"show", "--edition", "93", "--team", "0", "{missing}"}, 1, false, "{missing}"},
        ToolCase{"MissingRomExport", {"export", "--edition", "93", "{missing}", "{out}"}, 1, false, "{missing}"},
        ToolCase{"MissingRomSet",
                 {"set", "--edition", "93", "--team", "0", "--grid", "batter", "--row", "1", "--column", "3", "300",
                  "{missing}"},
                 1, false, "{missing}"},
        ToolCase{"ShortRomShow", {"show", "--edition", "86", "--team", "1", "{short}"}, 1, false, "{short}"},
        ToolCase{"ShortRomSet",
                 {"set", "--edition", "86", "--team", "0", "--grid", "batter", "--row", "1", "--column", "3", "300",
                  "{short}"},
                 1, false, "{short}"},
        ToolCase{"ExportIntoAMissingFolder", {"export", "--edition", "93", "{rom}", "{dir}/nowhere/out.txt"}, 1, false,
                 "nowhere/out.txt"},
        ToolCase{"ExportIntoTheRom", {"export", "--edition", "93", "{rom}", "{dir}/./rom.nes"}, 1, false, "ROM"},
        ToolCase{"DemoOverAFile", {"demo", "--edition", "93", "{rom}"}, 1, false, "{rom}"},
        ToolCase{"DemoBadEdition", {"demo", "--edition", "1985", "{out}"}, 2, false, "1985"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- refused values ---------------------------------------------------------

struct RefusedCase {
    const char* name;
    int edition;
    const char* grid;
    const char* row;
    const char* column;
    const char* value;
    const char* message;  // part of the reason
};

void PrintTo(const RefusedCase& c, std::ostream* out)
{
    *out << c.name;
}

class RefusedValueTest : public ::testing::TestWithParam<RefusedCase> {};

// A value the editor's dialogs would not store: exit 2 with the allowed range
// or choices, and neither the ROM nor the output file is written.
TEST_P(RefusedValueTest, WritesNothing)
{
    const RefusedCase& c = GetParam();
    RomFolder folder;
    const QByteArray image = DemoRomImage(c.edition);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString out = folder.path(QStringLiteral("out.nes"));
    const QStringList arguments{QStringLiteral("set"),      QStringLiteral("--edition"), QString::number(c.edition),
                                QStringLiteral("--team"),   QStringLiteral("1"),         QStringLiteral("--grid"),
                                QString::fromUtf8(c.grid),  QStringLiteral("--row"),     QString::fromUtf8(c.row),
                                QStringLiteral("--column"), QString::fromUtf8(c.column), QString::fromUtf8(c.value),
                                rom};

    const Outcome inPlace = RunTool(arguments);
    EXPECT_EQ(inPlace.code, 2);
    EXPECT_TRUE(inPlace.err.contains(QString::fromUtf8(c.message))) << inPlace.err.toStdString();
    EXPECT_EQ(ReadFile(rom), image);

    const Outcome copy = RunTool(arguments + QStringList{QStringLiteral("--output"), out});
    EXPECT_EQ(copy.code, 2);
    EXPECT_FALSE(FileExists(out));
    EXPECT_EQ(ReadFile(rom), image);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedValueTest,
    ::testing::Values(RefusedCase{"AboveTheRange", 1986, "batter", "2", "3", "400", "150～348"},
                      RefusedCase{"BelowTheRange", 1990, "pitcher", "1", "4", "59", "60～190"},
                      RefusedCase{"NotANumber", 1993, "batter", "1", "3", "3割", "150～400"},
                      RefusedCase{"SideNotOffered", 1986, "batter", "2", "2", "両", "右、左"},
                      RefusedCase{"FormNotOffered", 1993, "pitcher", "1", "2", "右ま", "右上、左上、右下"},
                      RefusedCase{"NameTooLong", 1987, "batter", "1", "1", "ＡＢＣＤＥ", "4 文字"},
                      RefusedCase{"NameWithoutCode", 1990, "pitcher", "1", "1", "ーあ", "「ー」"},
                      RefusedCase{"LatinLetters", 1992, "batter", "1", "1", "AB", "使える文字"},
                      RefusedCase{"TypeAbove15", 1991, "batter", "1", "9", "16", "0～15"},
                      RefusedCase{"PositionEleven", 1992, "batter", "1", "6", "11", "2～9"},
                      RefusedCase{"ManagerPosition", 1994, "manager", "1", "2", "10", "11～11"},
                      RefusedCase{"HeaderRow", 1986, "batter", "0", "1", "ＡＢ", "見出し"},
                      RefusedCase{"RowNumberColumn", 1986, "batter", "1", "0", "5", "行番号"},
                      RefusedCase{"RowPastTheRoster", 1986, "pitcher", "5", "3", "300", "1～4"},
                      RefusedCase{"ColumnPastTheGrid", 1994, "batter", "1", "11", "1", "1～10"},
                      RefusedCase{"NoManagerBefore1993", 1992, "manager", "1", "1", "ＡＢ", "監督"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- accepted edits -----------------------------------------------------------

struct EditCase {
    const char* name;
    int edition;
    const char* team;
    int teamIndex;
    const char* grid;
    int row;
    int column;
    const char* value;
    std::vector<int> bytes;  // the record bytes the cell covers
};

void PrintTo(const EditCase& c, std::ostream* out)
{
    *out << c.name;
}

class SetInPlaceTest : public ::testing::TestWithParam<EditCase> {};

// An accepted edit written into the ROM itself changes the cell's bytes and no other.
TEST_P(SetInPlaceTest, ChangesOnlyTheCellsBytes)
{
    const EditCase& c = GetParam();
    const RecordKind grid = *cli::ParseGrid(QString::fromUtf8(c.grid));
    RomFolder folder;
    const QByteArray image = DemoRomImage(c.edition);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    ASSERT_NE(Opened(rom, c.edition, c.teamIndex).grid(grid).cell(c.column, c.row), QString::fromUtf8(c.value))
        << "the sample must hold another value there";

    const Outcome outcome = RunTool({QStringLiteral("set"), QStringLiteral("--edition"), QString::number(c.edition),
                                     QStringLiteral("--team"), QString::fromUtf8(c.team), QStringLiteral("--grid"),
                                     QString::fromUtf8(c.grid), QStringLiteral("--row"), QString::number(c.row),
                                     QStringLiteral("--column"), QString::number(c.column), QString::fromUtf8(c.value),
                                     rom});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    // Standard output is for data only; what was saved is told on standard error.
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_EQ(outcome.err.count(u'\n'), 1) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("に保存しました"))) << outcome.err.toStdString();

    const QByteArray after = ReadFile(rom);
    ASSERT_EQ(after.size(), image.size());
    const qint64 record = *RecordOffset(grid, c.edition, c.teamIndex, c.row - 1, 0);
    std::set<qint64> allowed;
    for (int byte : c.bytes)
        allowed.insert(record + byte);
    const std::set<qint64> changed = Differences(image, after);
    EXPECT_FALSE(changed.empty());
    for (const qint64 offset : changed)
        EXPECT_TRUE(allowed.contains(offset)) << "byte " << offset - record << " of the record changed";
    EXPECT_EQ(Opened(rom, c.edition, c.teamIndex).grid(grid).cell(c.column, c.row), QString::fromUtf8(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayout, SetInPlaceTest,
    ::testing::Values(EditCase{"HomeRuns1986", 1986, "L", 1, "batter", 3, 4, "40", {9, 10}},
                      EditCase{"Speed1987", 1987, "3", 3, "pitcher", 2, 4, "100", {7}},
                      EditCase{"Name1988", 1988, "Bu", 8, "batter", 1, 1, "あいうえお", {1, 2, 3, 4, 5}},
                      EditCase{"Average1989", 1989, "0", 0, "batter", 12, 3, "150", {9}},
                      EditCase{"Side1990", 1990, "A", 15, "batter", 5, 2, "両", {6}},
                      EditCase{"BatterType1991", 1991, "G", 0, "batter", 4, 9, "12", {7}},
                      EditCase{"PitcherType1991", 1991, "G", 0, "pitcher", 1, 11, "15", {7}},
                      EditCase{"Popularity1992", 1992, "Dy", 14, "batter", 13, 9, "0", {7}},
                      EditCase{"ManagerNumber1993", 1993, "13", 13, "manager", 1, 3, "99", {17}},
                      EditCase{"Form1994", 1994, "AA", 15, "pitcher", 7, 2, "左背", {7}},
                      EditCase{"Uniform1994", 1994, "S", 0, "batter", 2, 10, "0", {16}}),
    [](const auto& info) { return std::string(info.param.name); });

// Into another file: the ROM keeps its bytes, the output is the ROM with the
// team's record changed, whatever the output held before.
TEST(CliSet, IntoOutputLeavesTheRomAlone)
{
    RomFolder folder;
    const QByteArray image = DemoRomImage(1993);
    const QString rom = folder.write(QStringLiteral("rom.nes"), image);
    const QString out = folder.write(QStringLiteral("out.nes"), QByteArray("old content"));
    ASSERT_NE(Opened(rom, 1993, 13).PitcherGrid.cell(3, 3), QStringLiteral("250"));

    const Outcome outcome = RunTool({QStringLiteral("set"), QStringLiteral("--edition"), QStringLiteral("93"),
                                     QStringLiteral("--team"), QStringLiteral("13"), QStringLiteral("--grid"),
                                     QStringLiteral("pitcher"), QStringLiteral("--row"), QStringLiteral("3"),
                                     QStringLiteral("--column"), QStringLiteral("3"), QStringLiteral("250"), rom,
                                     QStringLiteral("--output"), out});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(out));
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_EQ(ReadFile(rom), image);

    const QByteArray written = ReadFile(out);
    ASSERT_EQ(written.size(), image.size());
    const qint64 record = *RecordOffset(RecordKind::Pitcher, 1993, 13, 2, 0);
    EXPECT_EQ(Differences(image, written), (std::set<qint64>{record + 9}));
    EXPECT_EQ(Opened(out, 1993, 13).PitcherGrid.cell(3, 3), QStringLiteral("250"));
    EXPECT_EQ(Opened(out, 1993, 3).PitcherGrid, Opened(rom, 1993, 3).PitcherGrid);
}

// A value the record's format cannot hold as entered is saved as the editor
// saves it, and the tool says what the cell now reads.
TEST(CliSet, SaysWhenAValueIsStoredDifferently)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1986));
    const Outcome outcome = RunTool({QStringLiteral("set"), QStringLiteral("--edition"), QStringLiteral("86"),
                                     QStringLiteral("--team"), QStringLiteral("1"), QStringLiteral("--grid"),
                                     QStringLiteral("batter"), QStringLiteral("--row"), QStringLiteral("1"),
                                     QStringLiteral("--column"), QStringLiteral("3"), QStringLiteral("158"), rom});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("バッター 1 行目「実打率」は「158」ではなく「156」"))) << outcome.err.toStdString();
    // The note, then what was saved.
    EXPECT_EQ(outcome.err.count(u'\n'), 2) << outcome.err.toStdString();
    EXPECT_EQ(Opened(rom, 1986, 1).BatterGrid.cell(3, 1), QStringLiteral("156"));
}

// A name copied from a spreadsheet that read the export's "－" through a
// JIS-table decoder holds "−" (U+2212): set stores the edition's "－".
TEST(CliSet, TakesAnotherDecodersMinusAsTheStoredOne)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1992));
    const Outcome outcome = RunTool({QStringLiteral("set"), QStringLiteral("--edition"), QStringLiteral("92"),
                                     QStringLiteral("--team"), QStringLiteral("2"), QStringLiteral("--grid"),
                                     QStringLiteral("batter"), QStringLiteral("--row"), QStringLiteral("3"),
                                     QStringLiteral("--column"), QStringLiteral("1"), QStringLiteral("ＡＢ\u2212Ｃ"), rom});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_FALSE(outcome.err.contains(QStringLiteral("注意"))) << "stored as entered: " << outcome.err.toStdString();
    EXPECT_EQ(Opened(rom, 1992, 2).BatterGrid.cell(1, 3), QStringLiteral("ＡＢ－Ｃ　"));
}

// --- demo, show, export -------------------------------------------------------

class DemoProcessTest : public ::testing::TestWithParam<int> {};

// A new user's sample opens without a word on stderr in every edition.
TEST_P(DemoProcessTest, SampleRomShowsWithoutWarnings)
{
    const int edition = GetParam();
    RomFolder folder;
    const QString out = folder.path(QStringLiteral("sample.nes"));
    const Outcome made = RunTool({QStringLiteral("demo"), QStringLiteral("--edition"), QString::number(edition % 100), out});
    ASSERT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(made.err, QStringLiteral("%1年版のサンプルROMを %2 に作りました\n").arg(edition).arg(out));
    EXPECT_TRUE(made.out.isEmpty());
    EXPECT_EQ(ReadFile(out).size(), 0x40010);

    for (const int team : {0, TeamCount(edition) - 1}) {
        const Outcome shown = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), QString::number(edition),
                                       QStringLiteral("--team"), QString::number(team), out});
        EXPECT_EQ(shown.code, 0);
        EXPECT_TRUE(shown.err.isEmpty()) << shown.err.toStdString();
        EXPECT_TRUE(shown.out.contains(QStringLiteral("\nバッター\n")));
        EXPECT_TRUE(shown.out.contains(QStringLiteral("\nピッチャー\n")));
        EXPECT_EQ(shown.out.contains(QStringLiteral("\n監督\n")), FindProfile(edition)->managers.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryEdition, DemoProcessTest, ::testing::Range(kFirstEdition, kLastEdition + 1));

TEST(CliExport, WritesTheBytesOfTheCoreExport)
{
    RomFolder folder;
    const QString rom = folder.write(QStringLiteral("rom.nes"), DemoRomImage(1991));
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("core")));
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("tool")));

    const QString coreOne = folder.path(QStringLiteral("core/all.txt"));
    const QString toolOne = folder.path(QStringLiteral("tool/all.txt"));
    ASSERT_TRUE(ExportPlayerData(rom, 1991, coreOne, ExportMode::OneFile).ok());
    const Outcome one = RunTool({QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("91"), rom, toolOne});
    ASSERT_EQ(one.code, 0) << one.err.toStdString();
    EXPECT_FALSE(ReadFile(coreOne).isEmpty());
    EXPECT_EQ(ReadFile(toolOne), ReadFile(coreOne));

    const ExportResult core = ExportPlayerData(rom, 1991, folder.path(QStringLiteral("core/team.txt")), ExportMode::PerTeam);
    ASSERT_TRUE(core.ok());
    const Outcome perTeam = RunTool({QStringLiteral("export"), QStringLiteral("--per-team"), QStringLiteral("--edition"),
                                     QStringLiteral("1991"), rom, folder.path(QStringLiteral("tool/team.txt"))});
    ASSERT_EQ(perTeam.code, 0) << perTeam.err.toStdString();
    ASSERT_EQ(core.writtenFiles.size(), 16);
    for (const QString& file : core.writtenFiles) {
        const QString toolFile = QString(file).replace(QStringLiteral("/core/"), QStringLiteral("/tool/"));
        EXPECT_TRUE(perTeam.err.contains(toolFile));
        EXPECT_EQ(ReadFile(toolFile), ReadFile(file)) << toolFile.toStdString();
    }
}

// The team as the editor fills it, in columns aligned by display width.
TEST(CliShow, PrintsTheGridsFiguresAndColours)
{
    SyntheticRom rom;
    rom.setRecord(RecordKind::Batter, 1986, 1, 0,
                  MakeRecord(RecordKind::Batter, 1986, {0x00, 0x0A, 0x0B, 0x0C, 0x24, 1, 130, 25, 20, 190, 2, 150}));
    rom.setRecord(RecordKind::Batter, 1986, 1, 1,
                  MakeRecord(RecordKind::Batter, 1986, {0x00, 0x28, 0x29, 0x56, 0xFF, 2, 0, 0, 117, 12, 3, 110}));
    rom.setRecord(RecordKind::Pitcher, 1986, 1, 0,
                  MakeRecord(RecordKind::Pitcher, 1986, {0x00, 0x1D, 0x18, 0x0E, 0x24, 3, 25, 180, 181, 183, 40, 30, 20, 70}));
    rom.setColors(1986, 1, {0x16, 0x2A});
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("rom.nes"), rom);

    const Outcome outcome = RunTool({QStringLiteral("show"), QStringLiteral("--edition"), QStringLiteral("86"),
                                     QStringLiteral("--team"), QStringLiteral("L"), path});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, QStringLiteral("警告：バッターデータにエラーの可能性があります．\n"));
    const QStringList lines = outcome.out.split(u'\n');
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.mid(0, 18),
              QStringList({
                  QStringLiteral("1986年版  チーム 1（L）"),
                  QStringLiteral("平均打率：.313  総本塁打：183  平均走力：-45.1  平均防御率：0.62"),
                  QStringLiteral("帽子の色：0x16  ユニフォームの色：0x2A"),
                  QString(),
                  QStringLiteral("バッター"),
                  QStringLiteral("    名　前　　  打　席  実打率  実本塁打  走力  表示打率  表示本塁打"),
                  QStringLiteral(" 1  ＡＢＣ　    左         288         5    19       280          25"),
                  QStringLiteral(" 2  あい゛ー                -2        18    -1       150           0"),
                  QStringLiteral(" 3  ００００    右         348        16   -56       150           0"),
                  QStringLiteral(" 4  ００００    右         348        16   -56       150           0"),
                  QStringLiteral(" 5  ００００    右         348        16   -56       150           0"),
                  QStringLiteral(" 6  ００００    右         348        16   -56       150           0"),
                  QStringLiteral(" 7  ００００    右         348        16   -56       150           0"),
                  QStringLiteral(" 8  ００００    右         348        16   -56       150           0"),
                  QStringLiteral(" 9  ００００    右         348        16   -56       150           0"),
                  QStringLiteral("10  ００００    右         348        16   -56       150           0"),
                  QStringLiteral("11  ００００    右         348        16   -56       150           0"),
                  QStringLiteral("12  ００００    右         348        16   -56       150           0"),
              }));
    EXPECT_EQ(lines.mid(18, 4),
              QStringList({
                  QString(),
                  QStringLiteral("ピッチャー"),
                  QStringLiteral("   名　前　　  投　法  防御率  球速（遅）  球速（平）  球速（速）  スタミナ  右変化  左変化  フォーク"),
                  QStringLiteral("1  ＴＯＥ　    左下       250         135         136         137        70      40      30        20"),
              }));
    EXPECT_FALSE(outcome.out.contains(QStringLiteral("監督")));
}

} // namespace
} // namespace quindaro2
