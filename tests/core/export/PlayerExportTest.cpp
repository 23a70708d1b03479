#include "core/export/PlayerExport.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <utility>
#include <vector>

namespace quindaro2 {
namespace {

using test::FileExists;
using test::MakeRecord;
using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

QString FromShiftJis(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-31j");
    QString text = decoder(bytes);
    EXPECT_FALSE(decoder.hasError());
    return text;
}

// `count` copies of one hand-written line.
QStringList Times(int count, const QString& line)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line;
    return lines;
}

struct Slot {
    RecordKind kind;
    int index;
    std::vector<int> bytes;
};

struct TeamCase {
    const char* name;
    int edition;
    int team;
    bool trainer;
    std::vector<Slot> slots;
    QStringList expected;  // the team's lines, without their CR LF
};

std::ostream& operator<<(std::ostream& out, const TeamCase& c)
{
    return out << c.name;
}

Record RecordOf(RecordKind kind, int edition, const std::vector<int>& bytes)
{
    Record record = MakeRecord(kind, edition);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        record[static_cast<int>(i)] = static_cast<std::uint8_t>(bytes[i]);
    return record;
}

const QString k1986Batters = QStringLiteral("名　前　　,打　席,実打率,実本塁打,走力,表示打率,表示本塁打");
const QString k1986Pitchers =
    QStringLiteral("名　前　　,投　法,防御率,球速（遅）,球速（平）,球速（速）,スタミナ,右変化,左変化,フォーク");

// One team of each record layout; the records not set are zero bytes.
const TeamCase kTeamCases[] = {
    {"Layout1986",
     1986,
     1,
     false,
     {
         {RecordKind::Batter, 0, {0x00, 0x0A, 0x0B, 0x0C, 0x24, 1, 130, 25, 20, 190, 2, 150}},
         // No 1986 code for side byte 2: an empty field; impossible values as decoded.
         {RecordKind::Batter, 1, {0x00, 0x28, 0x29, 0x56, 0xFF, 2, 0, 0, 117, 12, 3, 110}},
         {RecordKind::Pitcher, 0, {0x00, 0x1D, 0x18, 0x0E, 0x24, 3, 25, 180, 181, 183, 40, 30, 20, 70}},
     },
     QStringList{QStringLiteral("Lチーム"), k1986Batters, QStringLiteral("ＡＢＣ　,左,288,5,19,280,25"),
                 QStringLiteral("あい゛ー,,-2,18,-1,150,0")}
         + Times(10, QStringLiteral("００００,右,348,16,-56,150,0")) + QStringList{k1986Pitchers}
         + QStringList{QStringLiteral("ＴＯＥ　,左下,250,135,136,137,70,40,30,20")}
         + Times(3, QStringLiteral("００００,右上,0,0,0,0,0,0,0,0"))},
    {"Layout1988To1990WithTrainer",
     1990,
     7,
     true,
     {
         {RecordKind::Batter, 0, {0x55, 0x0A, 0x26, 0x27, 0x24, 0x27, 2, 65, 30, 21, 230, 160}},
         {RecordKind::Pitcher, 0, {0x00, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 192, 60, 120, 135, 150, 50, 40, 30, 80}},
         // 2 is a form code only up to 1989.
         {RecordKind::Pitcher, 1, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 2}},
     },
     QStringList{QStringLiteral("Buチーム"), k1986Batters, QStringLiteral("Ａｕ　　　,両,286,28,24,280,30")}
         + Times(11, QStringLiteral("０００００,右,348,-432,-56,150,0")) + QStringList{k1986Pitchers}
         + QStringList{QStringLiteral("あいうえお,右下,300,120,135,150,80,50,40,30"),
                       QStringLiteral("０００００,,0,0,0,0,0,0,0,0")}
         + Times(4, QStringLiteral("０００００,右上,0,0,0,0,0,0,0,0"))},
    {"Layout1991TypeAsWholeByte",
     1991,
     0,
     false,
     {
         {RecordKind::Batter, 0, {0x00, 0x1D, 0x22, 0x19, 0x0E, 0x24, 1, 0x38, 60, 33, 45, 20, 25}},
         {RecordKind::Pitcher, 0, {0x00, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 16, 0x91, 28, 75, 200, 180, 160, 10, 20, 30}},
     },
     QStringList{QStringLiteral("Gチーム"),
                 QStringLiteral("名　前　　,打　席,打率,本塁打,走力,守備位置,守備力,肩,タイプ"),
                 QStringLiteral("ＴＹＰＥ　,左,270,33,45,8,20,25,56")}
         + Times(11, QStringLiteral("０００００,右,150,0,0,0,0,0,0"))
         + QStringList{QStringLiteral(
               "名　前　　,投　法,防御率,球速（速）,球速（平）,球速（遅）,スタミナ,右変化,左変化,フォーク,タイプ")}
         + QStringList{QStringLiteral("かきくけこ,右消,280,200,180,160,75,10,20,30,145")}
         + Times(5, QStringLiteral("０００００,右上,0,0,0,0,0,0,0,0,0"))},
    {"Layout1992",
     1992,
     13,
     false,
     {
         {RecordKind::Batter, 0, {0x00, 0x13, 0x1A, 0x1F, 0x26, 0x27, 2, 0x59, 100, 40, 70, 6, 7}},
         {RecordKind::Pitcher, 0, {0x00, 0x32, 0x33, 0x34, 0x35, 0x36, 16, 0x5A, 35, 60, 150, 140, 130, 5, 6, 7}},
     },
     QStringList{QStringLiteral("Vチーム"),
                 QStringLiteral("名　前　　,打　席,打率,本塁打,走力,守備位置,守備力,肩,人気"),
                 QStringLiteral("ゅ－＊ｕー,両,350,40,70,9,6,7,5")}
         + Times(12, QStringLiteral("０００００,右,150,0,0,0,0,0,0"))
         + QStringList{QStringLiteral(
               "名　前　　,投　法,防御率,球速（速）,球速（平）,球速（遅）,スタミナ,右変化,左変化,フォーク,人気")}
         + QStringList{QStringLiteral("さしすせそ,右ま,350,150,140,130,60,5,6,7,5")}
         + Times(4, QStringLiteral("０００００,右上,0,0,0,0,0,0,0,0,0"))},
    {"Layout1993SecondC",
     1993,
     13,
     false,
     {
         {RecordKind::Batter, 0, {0x00, 0x8D, 0x08, 0x9C, 0xE1, 0x3B, 0x77, 13, 10, 70, 25, 50, 7, 8, 0, 0, 3, 51}},
         // 3 is no batting-side code of 1993.
         {RecordKind::Batter, 1, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 3}},
         {RecordKind::Pitcher, 0, {0x00, 0x8A, 0x07, 0xE5, 0x04, 0x00, 0x00, 193, 0, 31, 85, 145, 120, 11, 22, 33, 4, 18}},
     },
     QStringList{QStringLiteral("Cチーム"),
                 QStringLiteral("名　前　　,打　席,打率,本塁打,走力,守備位置,守備力,肩,背番号,ユニフォーム"),
                 QStringLiteral("があ　ぱー,左ソ神,290,25,50,10,7,8,51,3"),
                 QStringLiteral("＊＊＊＊＊,,150,0,0,0,0,0,0,0")}
         + Times(11, QStringLiteral("＊＊＊＊＊,右,150,0,0,0,0,0,0,0"))
         + QStringList{QStringLiteral(
               "名　前　　,投　法,防御率,球速（速）,球速（遅）,スタミナ,右変化,左変化,フォーク,背番号,ユニフォーム")}
         + QStringList{QStringLiteral("ヴっぽ　＊,左下,310,145,120,85,11,22,33,18,4")}
         + Times(6, QStringLiteral("＊＊＊＊＊,右上,0,0,0,0,0,0,0,0,0"))},
};

class TeamTextTest : public ::testing::TestWithParam<TeamCase> {};

// The team's own file holds exactly the hand-written lines, each ended by CR LF.
TEST_P(TeamTextTest, TeamFileHoldsTheTeamsLines)
{
    const TeamCase& c = GetParam();
    SyntheticRom rom;
    rom.withTrainer(c.trainer);
    for (const Slot& slot : c.slots)
        rom.setRecord(slot.kind, c.edition, c.team, slot.index, RecordOf(slot.kind, c.edition, slot.bytes));
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), rom);

    const ExportResult result =
        ExportPlayerData(romPath, c.edition, folder.path(QStringLiteral("players.txt")), ExportMode::PerTeam);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QByteArray bytes = ReadFile(TeamFileName(folder.path(QStringLiteral("players.txt")), c.edition, c.team));
    EXPECT_EQ(FromShiftJis(bytes), c.expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, TeamTextTest, ::testing::ValuesIn(kTeamCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerExport, WritesShiftJisWithCrLf)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    const QString out = folder.path(QStringLiteral("all.txt"));
    ASSERT_TRUE(ExportPlayerData(romPath, 1986, out, ExportMode::OneFile).ok());

    const QByteArray bytes = ReadFile(out);
    // "Gチーム" CR LF, then "名" of the heading in code page 932.
    EXPECT_EQ(bytes.left(11).toHex(' '), QByteArray("47 83 60 81 5b 83 80 0d 0a 96 bc"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
}

// All teams in list order, each team line followed by its rows, no blank lines.
TEST(PlayerExport, OneFileHoldsEveryTeamInOrder)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    const QString out = folder.path(QStringLiteral("all.txt"));
    const ExportResult result = ExportPlayerData(romPath, 1986, out, ExportMode::OneFile);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.writtenFiles, QStringList{out});

    const QStringList lines = FromShiftJis(ReadFile(out)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 10 * (1 + 1 + 12 + 1 + 4) + 1);
    EXPECT_EQ(lines.last(), QString());
    QStringList teamLines;
    for (int i = 0; i < lines.size() - 1; i += 19)
        teamLines << lines[i];
    EXPECT_EQ(teamLines, QStringList({QStringLiteral("Gチーム"), QStringLiteral("Lチーム"), QStringLiteral("Rチーム"),
                                      QStringLiteral("Cチーム"), QStringLiteral("Tチーム"), QStringLiteral("Fチーム"),
                                      QStringLiteral("Wチーム"), QStringLiteral("Dチーム"), QStringLiteral("Sチーム"),
                                      QStringLiteral("Nチーム")}));
    EXPECT_EQ(lines.count(QString()), 1);
}

struct NameCase {
    const char* chosen;
    int edition;
    int team;
    const char* expected;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << c.chosen << ' ' << c.edition << ' ' << c.team;
}

class TeamFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(TeamFileNameTest, CutsOnlyTheFileNamesExtension)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(TeamFileName(QString::fromUtf8(c.chosen), c.edition, c.team), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TeamFileNameTest,
    ::testing::Values(NameCase{"/out/players.txt", 1986, 0, "/out/players_G.txt"},
                      NameCase{"/out/players.txt", 1986, 9, "/out/players_N.txt"},
                      NameCase{"/out/players", 1986, 0, "/out/players_G"},
                      NameCase{"/my.data/players.txt", 1986, 0, "/my.data/players_G.txt"},
                      NameCase{"/my.data/players", 1986, 1, "/my.data/players_L"},
                      NameCase{"/out/a.b.txt", 1994, 13, "/out/a.b_AC.txt"},
                      NameCase{"players.txt", 1989, 1, "players_Bu.txt"},
                      NameCase{"/out/players.txt", 1993, 3, "/out/players_C.txt"},
                      NameCase{"/out/players.txt", 1993, 13, "/out/players_C2.txt"},
                      NameCase{"/out/選手.csv", 1992, 14, "/out/選手_Dy.csv"}));

TEST(PlayerExport, PerTeamWritesOneFilePerTeamInListOrder)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    const ExportResult result =
        ExportPlayerData(romPath, 1986, folder.path(QStringLiteral("players.txt")), ExportMode::PerTeam);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    QStringList expected;
    for (const char* name : {"players_G.txt", "players_L.txt", "players_R.txt", "players_C.txt", "players_T.txt",
                             "players_F.txt", "players_W.txt", "players_D.txt", "players_S.txt", "players_N.txt"})
        expected << folder.path(QString::fromLatin1(name));
    EXPECT_EQ(result.writtenFiles, expected);
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("players.txt"))));
}

// The two 1993 teams coded "C " get a file each; both call themselves "C" inside.
TEST(PlayerExport, TheTwo1993CTeamsKeepTheirOwnFiles)
{
    SyntheticRom rom;
    rom.setRecord(RecordKind::Batter, 1993, 3, 0, MakeRecord(RecordKind::Batter, 1993, {0, 0x08, 0x08, 0x08}));
    rom.setRecord(RecordKind::Batter, 1993, 13, 0, MakeRecord(RecordKind::Batter, 1993, {0, 0x09, 0x09, 0x09}));
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), rom);
    ASSERT_TRUE(ExportPlayerData(romPath, 1993, folder.path(QStringLiteral("players.txt")), ExportMode::PerTeam).ok());

    const QStringList third = FromShiftJis(ReadFile(folder.path(QStringLiteral("players_C.txt")))).split(u'\n');
    const QStringList thirteenth = FromShiftJis(ReadFile(folder.path(QStringLiteral("players_C2.txt")))).split(u'\n');
    ASSERT_GE(third.size(), 3);
    ASSERT_GE(thirteenth.size(), 3);
    EXPECT_EQ(third[0], QStringLiteral("Cチーム\r"));
    EXPECT_EQ(thirteenth[0], QStringLiteral("Cチーム\r"));
    EXPECT_TRUE(third[2].startsWith(QStringLiteral("あああ＊＊,")));
    EXPECT_TRUE(thirteenth[2].startsWith(QStringLiteral("いいい＊＊,")));
}

TEST(PlayerExport, OneFileInAMissingFolderWritesNothing)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    const QString out = folder.path(QStringLiteral("missing/players.txt"));
    const ExportResult result = ExportPlayerData(romPath, 1986, out, ExportMode::OneFile);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(out));
    EXPECT_TRUE(result.writtenFiles.isEmpty());
    EXPECT_TRUE(QDir(folder.path(QString())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                == QStringList{QStringLiteral("game.nes")});
}

// A team file that cannot be written stops the export; the earlier teams' files stay.
TEST(PlayerExport, PerTeamStopsAtAFileThatCannotBeWritten)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("players_C.txt")));
    const ExportResult result =
        ExportPlayerData(romPath, 1986, folder.path(QStringLiteral("players.txt")), ExportMode::PerTeam);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(folder.path(QStringLiteral("players_C.txt"))));
    EXPECT_EQ(result.writtenFiles,
              QStringList({folder.path(QStringLiteral("players_G.txt")), folder.path(QStringLiteral("players_L.txt")),
                           folder.path(QStringLiteral("players_R.txt"))}));
    EXPECT_EQ(ReadFile(folder.path(QStringLiteral("players_G.txt"))).count("\r\n"), 19);
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("players_T.txt"))));
}

TEST(PlayerExport, AnExistingFileIsReplacedWhole)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    const QString out = folder.write(QStringLiteral("all.txt"), QByteArray(100000, 'x'));
    const QString fresh = folder.path(QStringLiteral("fresh.txt"));
    ASSERT_TRUE(ExportPlayerData(romPath, 1986, out, ExportMode::OneFile).ok());
    ASSERT_TRUE(ExportPlayerData(romPath, 1986, fresh, ExportMode::OneFile).ok());
    EXPECT_EQ(ReadFile(out), ReadFile(fresh));
    EXPECT_LT(ReadFile(out).size(), 100000);
}

// However the output names the opened ROM, the ROM keeps its bytes.
TEST(PlayerExport, RefusesToWriteIntoTheRom)
{
    RomFolder folder;
    const SyntheticRom rom;
    const QString romPath = folder.write(QStringLiteral("game.nes"), rom);
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("sub")));
    for (const QString& out : {romPath, folder.path(QStringLiteral("sub/../game.nes"))}) {
        const ExportResult result = ExportPlayerData(romPath, 1986, out, ExportMode::OneFile);
        EXPECT_FALSE(result.ok()) << out.toStdString();
        EXPECT_TRUE(result.error.contains(out));
        EXPECT_EQ(ReadFile(romPath), rom.bytes());
    }
    ASSERT_TRUE(QFile::link(romPath, folder.path(QStringLiteral("link.nes"))));
    EXPECT_FALSE(ExportPlayerData(romPath, 1986, folder.path(QStringLiteral("link.nes")), ExportMode::OneFile).ok());
    EXPECT_EQ(ReadFile(romPath), rom.bytes());
}

// A ROM whose name is one of the team files: nothing at all is written.
TEST(PlayerExport, PerTeamRefusesATeamFileThatIsTheRom)
{
    RomFolder folder;
    const SyntheticRom rom;
    const QString romPath = folder.write(QStringLiteral("players_T.txt"), rom);
    const ExportResult result =
        ExportPlayerData(romPath, 1986, folder.path(QStringLiteral("players.txt")), ExportMode::PerTeam);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(romPath));
    EXPECT_TRUE(result.writtenFiles.isEmpty());
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("players_G.txt"))));
    EXPECT_EQ(ReadFile(romPath), rom.bytes());
}

struct ShortRomCase {
    ExportMode mode;
    const char* name;
};

void PrintTo(const ShortRomCase& c, std::ostream* out)
{
    *out << c.name;
}

class ShortRomTest : public ::testing::TestWithParam<ShortRomCase> {};

// A ROM that ends inside team 2 ("R") of 1986: no made-up values, no file.
TEST_P(ShortRomTest, ARecordThatCannotBeReadIsAnErrorAndNothingIsWritten)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("short.nes"), SyntheticRom(0x10 + 2 * 256 + 5 * 16 + 8));
    const ExportResult result =
        ExportPlayerData(romPath, 1986, folder.path(QStringLiteral("players.txt")), GetParam().mode);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(romPath)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("チーム R"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("バッター 6 人目"))) << result.error.toStdString();
    EXPECT_TRUE(result.writtenFiles.isEmpty());
    EXPECT_EQ(QDir(folder.path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("short.nes")});
}

INSTANTIATE_TEST_SUITE_P(BothModes, ShortRomTest,
                         ::testing::Values(ShortRomCase{ExportMode::OneFile, "OneFile"},
                                           ShortRomCase{ExportMode::PerTeam, "PerTeam"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerExport, AMissingRomNamesTheFile)
{
    RomFolder folder;
    const QString romPath = folder.path(QStringLiteral("gone.nes"));
    const QString out = folder.path(QStringLiteral("all.txt"));
    const ExportResult result = ExportPlayerData(romPath, 1990, out, ExportMode::OneFile);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(romPath));
    EXPECT_FALSE(FileExists(out));
}

TEST(PlayerExport, NoChosenFileOrEditionIsAnError)
{
    RomFolder folder;
    const QString romPath = folder.write(QStringLiteral("game.nes"), SyntheticRom());
    EXPECT_FALSE(ExportPlayerData(romPath, 1986, QString(), ExportMode::OneFile).ok());
    EXPECT_FALSE(ExportPlayerData(romPath, 1985, folder.path(QStringLiteral("a.txt")), ExportMode::OneFile).ok());
    EXPECT_FALSE(FileExists(folder.path(QStringLiteral("a.txt"))));
}

} // namespace
} // namespace quindaro2
