#include "core/roster/GridFill.h"
#include "core/roster/WriteBack.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::MakeRecord;
using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

// The image of an opened ROM, the team filled from it, and the image the
// write-back goes into.
struct Session {
    RomImage target;
    ShownTeam team;

    Session(const SyntheticRom& rom, int edition, int teamIndex) : target(rom.bytes())
    {
        team.state.Edition = edition;
        team.state.TeamIndex = teamIndex;
        (void)FillTeam(team, target);
    }

    WriteBackResult writeBack() { return WriteBackTeam(team, target); }
    Record written(RecordKind kind, int slot) const
    {
        return target.record(kind, team.state.Edition, team.state.TeamIndex, slot).record;
    }
};

class RoundTripTest : public ::testing::TestWithParam<int> {};

// Filling a team whose fields are all in the edit ranges and writing it back
// unchanged gives back the same file, byte for byte, with or without a trainer.
TEST_P(RoundTripTest, UnchangedGridsWriteBackTheSameBytes)
{
    const int edition = GetParam();
    for (bool trainer : {false, true}) {
        SyntheticRom rom;
        rom.withTrainer(trainer);
        test::FillPlausibleRoster(rom, edition, static_cast<unsigned>(edition) + trainer);
        for (int teamIndex : {0, TeamCount(edition) / 2, TeamCount(edition) - 1}) {
            Session session(rom, edition, teamIndex);
            const WriteBackResult result = session.writeBack();
            ASSERT_TRUE(result.ok()) << result.error.toStdString();
            EXPECT_EQ(result.battersWritten, *RecordsPerTeam(RecordKind::Batter, edition));
            EXPECT_EQ(result.pitchersWritten, *RecordsPerTeam(RecordKind::Pitcher, edition));
            EXPECT_TRUE(result.colorsWritten);
            EXPECT_EQ(result.managerWritten, edition >= 1993);
            EXPECT_EQ(session.target.bytes(), rom.bytes()) << edition << " team " << teamIndex << " trainer " << trainer;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, RoundTripTest, ::testing::Range(1986, 1995));

TEST(WriteBackTeam, AnEditedCellReachesItsBytesAtTheSlotsOffset)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1986, 5);
    Session session(rom, 1986, 3);
    session.team.BatterGrid.setCell(4, 2, QStringLiteral("20"));  // 実本塁打 of batter slot 1
    ASSERT_TRUE(session.writeBack().ok());
    const QByteArray after = session.target.bytes();
    const qint64 offset = 0x10 + 256 * 3 + 16 * 1;
    EXPECT_EQ(static_cast<unsigned char>(after[offset + 9]), 24);
    EXPECT_EQ(static_cast<unsigned char>(after[offset + 10]), 3);
    QByteArray expected = rom.bytes();
    expected[offset + 9] = 24;
    expected[offset + 10] = 3;
    EXPECT_EQ(after, expected);
}

TEST(WriteBackTeam, ColoursComeFromTheEditorState)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1987, 9);
    rom.set(0x9ED9 + 3 * 2 + 1, {0x77});
    Session session(rom, 1987, 2);
    session.team.state.HelmetColorCode = 0x2C;
    session.team.state.UniformColorCode = 0x301;  // only the low byte is stored
    ASSERT_TRUE(session.writeBack().ok());
    EXPECT_EQ(session.target.bytes().mid(0x9ED9 + 6, 3), QByteArray::fromHex("2C7701"));
}

// In 1991 the type and the fielding position share byte 7.
TEST(WriteBackTeam, The1991TypeTakesThePositionBelowIt)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1991, 4);
    Session session(rom, 1991, 0);
    session.team.BatterGrid.setCell(6, 1, QStringLiteral("3"));
    session.team.BatterGrid.setCell(9, 1, QStringLiteral("2"));
    session.team.PitcherGrid.setCell(11, 1, QStringLiteral("5"));
    ASSERT_TRUE(session.writeBack().ok());
    EXPECT_EQ(session.written(RecordKind::Batter, 0)[7], 0x23);
    EXPECT_EQ(session.written(RecordKind::Pitcher, 0)[7], 0x51);
}

TEST(WriteBackTeam, A1991PositionThatIsNoNumberStopsBeforeAnythingIsWritten)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1991, 4);
    for (const char* position : {"", "3a", " 3"}) {
        Session session(rom, 1991, 0);
        session.team.BatterGrid.setCell(2, 1, QStringLiteral("左"));
        session.team.BatterGrid.setCell(6, 12, QString::fromUtf8(position));
        const WriteBackResult result = session.writeBack();
        EXPECT_EQ(result.error, QStringLiteral("'%1' は数値ではありません").arg(QString::fromUtf8(position)));
        EXPECT_EQ(result.battersWritten, 0);
        EXPECT_EQ(session.target.bytes(), rom.bytes());
    }
}

TEST(WriteBackTeam, CellsAreReadByTheirLeadingInteger)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 2);
    Session session(rom, 1993, 0);
    session.team.BatterGrid.setCell(9, 1, QStringLiteral(" 42abc"));  // 背番号
    session.team.BatterGrid.setCell(10, 1, QStringLiteral("x"));      // ユニフォーム
    session.team.BatterGrid.setCell(8, 1, QStringLiteral("-1"));       // 肩: low 8 bits
    ASSERT_TRUE(session.writeBack().ok());
    const Record batter = session.written(RecordKind::Batter, 0);
    EXPECT_EQ(batter[17], 42);
    EXPECT_EQ(batter[16], 0);
    EXPECT_EQ(batter[13], 0xFF);
}

// A name shown as the ROM holds it keeps its bytes, also codes that no
// character stands for (shown as "？") or that share a character with another.
TEST(WriteBackTeam, AnUnchangedNameKeepsItsBytes)
{
    for (auto [edition, codes] : {std::pair{1993, std::vector<int>{0x08, 0x3C, 0x09, 0xA6, 0x0A}},
                                  std::pair{1990, std::vector<int>{40, 200, 39, 41, 42}},
                                  std::pair{1986, std::vector<int>{0x0A, 0xFF, 0x58, 0x0B}}}) {
        SyntheticRom rom;
        test::FillPlausibleRoster(rom, edition, 5);
        Record batter = rom.record(RecordKind::Batter, edition, 0, 4);
        for (std::size_t i = 0; i < codes.size(); ++i)
            batter[1 + static_cast<int>(i)] = static_cast<std::uint8_t>(codes[i]);
        rom.setRecord(RecordKind::Batter, edition, 0, 4, batter);
        Session session(rom, edition, 0);
        session.team.BatterGrid.setCell(4, 1, QStringLiteral("3"));
        ASSERT_TRUE(session.writeBack().ok());
        EXPECT_EQ(session.written(RecordKind::Batter, 4).bytes, batter.bytes) << edition;
    }
}

TEST(WriteBackTeam, AChangedNameWithACharacterWithoutCodeWritesNothing)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 5);
    Session session(rom, 1993, 0);
    session.team.PitcherGrid.setCell(1, 2, QStringLiteral("あＡい"));
    const WriteBackResult result = session.writeBack();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QStringLiteral("あＡい")));
    EXPECT_EQ(session.target.bytes(), rom.bytes());
}

TEST(WriteBackTeam, AListTextThatMatchesNothingKeepsItsByte)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1990, 8);
    Session session(rom, 1990, 1);
    session.team.BatterGrid.setCell(2, 1, QString());
    session.team.PitcherGrid.setCell(2, 1, QStringLiteral("右ま"));  // no code in 1990
    session.team.PitcherGrid.setCell(2, 2, QStringLiteral("左横"));
    ASSERT_TRUE(session.writeBack().ok());
    EXPECT_EQ(session.written(RecordKind::Batter, 0)[6], rom.record(RecordKind::Batter, 1990, 1, 0)[6]);
    EXPECT_EQ(session.written(RecordKind::Pitcher, 0)[6], rom.record(RecordKind::Pitcher, 1990, 1, 0)[6]);
    EXPECT_EQ(session.written(RecordKind::Pitcher, 1)[6], 129);
}

// The bytes that no column covers belong to the slot, not to the player.
TEST(WriteBackTeam, AfterARowMoveUncoveredBytesStayWithTheSlot)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 6);
    Session session(rom, 1993, 2);
    session.team.BatterGrid.moveRow(3, 1);
    ASSERT_TRUE(session.writeBack().ok());
    const Record slot0 = session.written(RecordKind::Batter, 0);
    const Record oldSlot0 = rom.record(RecordKind::Batter, 1993, 2, 0);
    const Record oldSlot2 = rom.record(RecordKind::Batter, 1993, 2, 2);
    for (int byte : {0, 6, 14, 15})
        EXPECT_EQ(slot0[byte], oldSlot0[byte]) << byte;
    for (int byte : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 16, 17})
        EXPECT_EQ(slot0[byte], oldSlot2[byte]) << byte;
    // The former first player moved down to slot 1, under slot 1's own uncovered bytes.
    const Record slot1 = session.written(RecordKind::Batter, 1);
    const Record oldSlot1 = rom.record(RecordKind::Batter, 1993, 2, 1);
    for (int byte : {0, 6, 14, 15})
        EXPECT_EQ(slot1[byte], oldSlot1[byte]) << byte;
    for (int byte : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 16, 17})
        EXPECT_EQ(slot1[byte], oldSlot0[byte]) << byte;
}

TEST(WriteBackTeam, NoManagerBefore1993)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1992, 1);
    Session session(rom, 1992, 0);
    session.team.VisorGrid.reset(5, 2);
    session.team.VisorGrid.setCell(2, 1, QStringLiteral("11"));
    const WriteBackResult result = session.writeBack();
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.managerWritten);
    EXPECT_EQ(session.target.bytes(), rom.bytes());
}

TEST(WriteBackTeam, AManagerEditReachesTheManagerRecord)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1994, 1);
    Session session(rom, 1994, 15);
    session.team.VisorGrid.setCell(3, 1, QStringLiteral("77"));
    session.team.VisorGrid.setCell(1, 1, QStringLiteral("がぱ"));
    ASSERT_TRUE(session.writeBack().ok());
    const Record manager = session.written(RecordKind::Manager, 0);
    EXPECT_EQ(manager[17], 77);
    EXPECT_EQ(manager[1], 0x8D);
    EXPECT_EQ(manager[2], 0xE1);
    EXPECT_EQ(manager[3], 0x04);
}

// A slot that cannot be read completely is never written: nothing is.
TEST(WriteBackTeam, ARecordCutShortStopsBeforeAnythingIsWritten)
{
    SyntheticRom full;
    test::FillPlausibleRoster(full, 1989, 2);
    const qint64 cut = *RecordOffset(RecordKind::Pitcher, 1989, 15, 3, 0) + 4;
    SyntheticRom rom(cut);
    for (qint64 i = 0; i < cut; ++i)
        rom.set(i, {full.at(i)});
    Session session(rom, 1989, 15);
    const WriteBackResult result = session.writeBack();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QStringLiteral("ピッチャーの4行目"))) << result.error.toStdString();
    EXPECT_EQ(result.battersWritten, 0);
    EXPECT_EQ(session.target.bytes(), rom.bytes());
}

} // namespace
} // namespace quindaro2
