#include "core/roster/WriteBack.h"

#include "support/PlausibleRom.h"

#include "core/edition/Edition.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::Profile;
using test::SyntheticRom;

// A record of a plausible roster and the cells it shows.
struct Slot {
    const EditionProfile& profile;
    RecordKind kind;
    Record stored;
    QStringList cells;

    Slot(const SyntheticRom& rom, int edition, RecordKind kind, int team, int slot)
        : profile(Profile(edition)), kind(kind), stored(rom.record(kind, edition, team, slot)),
          cells(RecordCells(profile, kind, stored))
    {
    }

    Result<Record> writeBack() const { return WriteBackRecord(profile, kind, stored, cells); }
};

class RoundTripTest : public ::testing::TestWithParam<int> {};

// Every record of a plausible team written back from the cells it shows gives
// back its bytes, with or without a trainer.
TEST_P(RoundTripTest, UnchangedCellsWriteBackTheSameBytes)
{
    const int edition = GetParam();
    for (bool trainer : {false, true}) {
        SyntheticRom rom;
        rom.withTrainer(trainer);
        test::FillPlausibleRoster(rom, edition, static_cast<unsigned>(edition) + trainer);
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            for (int slot = 0; slot < Profile(edition).slots(kind); ++slot) {
                const Slot record(rom, edition, kind, TeamCount(edition) - 1, slot);
                const Result<Record> written = record.writeBack();
                ASSERT_TRUE(written) << written.reason().toStdString();
                EXPECT_EQ(written->bytes, record.stored.bytes) << edition << " slot " << slot;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, RoundTripTest, ::testing::Range(kFirstEdition, kLastEdition + 1));

TEST(WriteBackRecord, AChangedCellReachesItsBytesAndNothingElse)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1986, 5);
    Slot slot(rom, 1986, RecordKind::Batter, 3, 1);
    slot.cells[3] = QStringLiteral("20");  // 実本塁打
    Record expected = slot.stored;
    expected[9] = 24;
    expected[10] = 3;
    EXPECT_EQ(slot.writeBack()->bytes, expected.bytes);
}

// In 1991 the type and the fielding position share byte 7.
TEST(WriteBackRecord, The1991TypeTakesThePositionBesideIt)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1991, 4);
    Slot batter(rom, 1991, RecordKind::Batter, 0, 0);
    batter.cells[5] = QStringLiteral("3");
    batter.cells[8] = QStringLiteral("2");
    EXPECT_EQ(batter.writeBack().value()[7], 0x23);
    Slot pitcher(rom, 1991, RecordKind::Pitcher, 0, 0);
    pitcher.cells[10] = QStringLiteral("5");
    EXPECT_EQ(pitcher.writeBack().value()[7], 0x51);
}

// Cells come from the edits' validation or from the bytes; any other text is
// refused rather than stored as a number it does not say.
TEST(WriteBackRecord, ANumberCellThatIsNoWholeNumberIsRefused)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1991, 4);
    for (const auto& [column, text] : {std::pair{6, ""}, std::pair{6, "3a"}, std::pair{6, " 3"}, std::pair{3, "x"}}) {
        Slot slot(rom, 1991, RecordKind::Batter, 0, 11);
        slot.cells[1] = QStringLiteral("左");
        slot.cells[column - 1] = QString::fromUtf8(text);
        const Result<Record> written = slot.writeBack();
        EXPECT_EQ(written.reason(), QStringLiteral("'%1' は数値ではありません").arg(QString::fromUtf8(text)));
    }
}

TEST(WriteBackRecord, ANegativeNumberKeepsItsLowEightBits)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 2);
    Slot slot(rom, 1993, RecordKind::Batter, 0, 0);
    slot.cells[7] = QStringLiteral("-1");  // 肩
    EXPECT_EQ(slot.writeBack().value()[13], 0xFF);
}

// A name shown as the ROM holds it keeps its bytes, also codes that no
// character stands for (shown as "？") or that share a character with another.
TEST(WriteBackRecord, AnUnchangedNameKeepsItsBytes)
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
        Slot slot(rom, edition, RecordKind::Batter, 0, 4);
        slot.cells[3] = QStringLiteral("3");
        const Record written = slot.writeBack().value();
        for (int i = 1; i <= slot.profile.names.length; ++i)
            EXPECT_EQ(written[i], batter[i]) << edition << " byte " << i;
    }
}

TEST(WriteBackRecord, AChangedNameWithACharacterWithoutCodeIsRefused)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 5);
    Slot slot(rom, 1993, RecordKind::Pitcher, 0, 1);
    slot.cells[0] = QStringLiteral("あＡい");
    const Result<Record> written = slot.writeBack();
    EXPECT_FALSE(written);
    EXPECT_TRUE(written.reason().contains(QStringLiteral("あＡい")));
}

TEST(WriteBackRecord, AListTextWithoutCodeKeepsItsByte)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1990, 8);
    Slot batter(rom, 1990, RecordKind::Batter, 1, 0);
    batter.cells[1] = QString();
    EXPECT_EQ(batter.writeBack().value()[6], batter.stored[6]);
    Slot pitcher(rom, 1990, RecordKind::Pitcher, 1, 0);
    pitcher.cells[1] = QStringLiteral("右ま");  // no code in 1990
    EXPECT_EQ(pitcher.writeBack().value()[6], pitcher.stored[6]);
    pitcher.cells[1] = QStringLiteral("左横");
    EXPECT_EQ(pitcher.writeBack().value()[6], 129);
}

TEST(WriteBackRecord, AManagersCellsReachTheManagerRecord)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1994, 1);
    Slot manager(rom, 1994, RecordKind::Manager, 15, 0);
    manager.cells[2] = QStringLiteral("77");
    manager.cells[0] = QStringLiteral("がぱ");
    const Record written = manager.writeBack().value();
    EXPECT_EQ(written[17], 77);
    EXPECT_EQ(written[1], 0x8D);
    EXPECT_EQ(written[2], 0xE1);
    EXPECT_EQ(written[3], 0x04);
}

} // namespace
} // namespace quindaro2
