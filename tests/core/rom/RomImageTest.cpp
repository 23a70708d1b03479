#include "core/edition/Edition.h"
#include "core/rom/RomImage.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>


namespace quindaro2 {
namespace {

using test::MakeRecord;
using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

TEST(RomImageTrainer, ReadsBitTwoOfHeaderByteSix)
{
    EXPECT_EQ(RomImage(SyntheticRom(16).bytes()).trainer(), 0);
    EXPECT_EQ(RomImage(SyntheticRom(16).withTrainer().bytes()).trainer(), 1);
    EXPECT_EQ(RomImage(SyntheticRom(16).set(6, {0xFB}).bytes()).trainer(), 0);
    EXPECT_EQ(RomImage(SyntheticRom(8).set(6, {0x04}).bytes()).trainer(), 1);
    EXPECT_EQ(RomImage(SyntheticRom(7).set(6, {0x04}).bytes()).trainer(), 0);
    EXPECT_EQ(RomImage(QByteArray()).trainer(), 0);
}

struct TrainerCase {
    RecordKind kind;
    int edition;
    bool moves;
};

std::ostream& operator<<(std::ostream& out, const TrainerCase& c)
{
    return out << static_cast<int>(c.kind) << ' ' << c.edition;
}

class TrainerShiftTest : public ::testing::TestWithParam<TrainerCase> {};

// The same image with and without the trainer bit: the record is read 512 bytes
// further only where the edition honours the trainer for that kind of record.
TEST_P(TrainerShiftTest, RecordIsReadWhereTheEditionPutsIt)
{
    const TrainerCase& c = GetParam();
    SyntheticRom rom;
    const qint64 plain = *RecordOffset(c.kind, c.edition, 1, 0, 0);
    rom.set(plain + 1, {0x11}).set(plain + 1 + kTrainerShift, {0x22});
    const RomImage without(rom.bytes());
    const RomImage with(rom.withTrainer().bytes());

    const RecordRead a = without.record(c.kind, c.edition, 1, 0);
    const RecordRead b = with.record(c.kind, c.edition, 1, 0);
    ASSERT_TRUE(a.complete());
    ASSERT_TRUE(b.complete());
    EXPECT_EQ(a.record[1], 0x11);
    EXPECT_EQ(b.record[1], c.moves ? 0x22 : 0x11);
    EXPECT_EQ(a.record.size, *RecordSize(c.kind, c.edition));
}

INSTANTIATE_TEST_SUITE_P(Editions, TrainerShiftTest,
                         ::testing::Values(TrainerCase{RecordKind::Batter, 1986, false},
                                           TrainerCase{RecordKind::Pitcher, 1987, false},
                                           TrainerCase{RecordKind::Batter, 1988, false},
                                           TrainerCase{RecordKind::Pitcher, 1989, false},
                                           TrainerCase{RecordKind::Batter, 1990, true},
                                           TrainerCase{RecordKind::Pitcher, 1991, true},
                                           TrainerCase{RecordKind::Batter, 1992, false},
                                           TrainerCase{RecordKind::Pitcher, 1992, false},
                                           TrainerCase{RecordKind::Batter, 1993, true},
                                           TrainerCase{RecordKind::Manager, 1993, true},
                                           TrainerCase{RecordKind::Manager, 1994, true}));

TEST(TeamColors, ColourBytesMoveWithTheTrainerEvenWhenRecordsDoNot)
{
    SyntheticRom rom;
    rom.withTrainer().set(0x9E76 + 512 + 4, {0x16}).set(0x9E78 + 512 + 4, {0x2A}).set(0x9E76 + 4, {0x01});
    const RomImage image(rom.bytes());
    const Result<TeamColors> colors = image.colors(1986, 1);
    ASSERT_TRUE(colors);
    EXPECT_EQ(colors.value(), (TeamColors{0x16, 0x2A}));
    EXPECT_EQ(*RecordOffset(RecordKind::Batter, 1986, 1, 0, image.trainer()), 0x110);
}

TEST(TeamColors, WritingLeavesTheByteBetweenThe1987ColoursAlone)
{
    SyntheticRom rom;
    rom.set(0x9ED9 + 3, {1, 0x77, 2});
    RomImage image(rom.bytes());
    ASSERT_TRUE(image.setColors(1987, 1, {0x30, 0x0F}));
    EXPECT_EQ(image.bytes().mid(0x9ED9 + 3, 3), QByteArray::fromHex("30770F"));
    EXPECT_EQ(image.size(), rom.bytes().size());
}

TEST(TeamColors, AdjacentBytesFrom1988)
{
    RomImage image(SyntheticRom().withTrainer().bytes());
    ASSERT_TRUE(image.setColors(1991, 2, {0x21, 0x05}));
    EXPECT_EQ(image.bytes().mid(0x1EB1C + 4 + 512, 2), QByteArray::fromHex("2105"));
    EXPECT_EQ(image.colors(1991, 2).value(), (TeamColors{0x21, 0x05}));
}

TEST(RecordAccess, WrittenRecordsReadBackInEveryEditionAndKind)
{
    RomImage image(SyntheticRom().bytes());
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        for (RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            if (!RecordsPerTeam(kind, edition))
                continue;
            Record record = MakeRecord(kind, edition);
            for (int i = 0; i < record.size; ++i)
                record[i] = static_cast<std::uint8_t>(edition + i);
            ASSERT_TRUE(image.setRecord(kind, edition, 3, 0, record)) << edition;
            const RecordRead back = image.record(kind, edition, 3, 0);
            ASSERT_TRUE(back.complete()) << edition;
            EXPECT_EQ(back.record.bytes, record.bytes) << edition;
        }
    }
    EXPECT_EQ(image.size(), SyntheticRom::kDefaultSize);
}

TEST(RecordAccess, AnEmptyImageHoldsNothing)
{
    const RomImage empty;
    EXPECT_FALSE(empty.record(RecordKind::Batter, 1986, 0, 0));
    EXPECT_FALSE(empty.record(RecordKind::Pitcher, 1986, 0, 0));
    EXPECT_FALSE(empty.record(RecordKind::Manager, 1993, 0, 0));
    EXPECT_FALSE(empty.colors(1986, 0));
}

TEST(RecordAccess, ImageShorterThanTheRecordsOffset)
{
    RomImage image(SyntheticRom(16).bytes());
    const RecordRead read = image.record(RecordKind::Batter, 1993, 0, 0);
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.reason.isEmpty());
    EXPECT_FALSE(image.colors(1993, 0));
}

// A record cut short by the end of the image counts as read, but the caller
// can tell which bytes were not read.
TEST(RecordAccess, ImageEndingInsideARecord)
{
    SyntheticRom rom(0x10 + 5);
    rom.set(0x10, {1, 2, 3, 4, 5});
    const RecordRead read = RomImage(rom.bytes()).record(RecordKind::Batter, 1986, 0, 0);
    EXPECT_TRUE(read);
    EXPECT_FALSE(read.complete());
    EXPECT_EQ(read.bytesRead, 5);
    EXPECT_EQ(read.record[4], 5);
    EXPECT_EQ(read.record[5], 0);
    EXPECT_FALSE(read.reason.isEmpty());
}

// An image is never lengthened: a record or a colour past its end is refused
// and nothing changes.
TEST(RecordAccess, WritersNeverLengthenTheImage)
{
    const QByteArray bytes = SyntheticRom(0x10 + 5).bytes();
    RomImage image(bytes);
    EXPECT_FALSE(image.setRecord(RecordKind::Batter, 1986, 0, 0, MakeRecord(RecordKind::Batter, 1986, {0, 1})));
    EXPECT_FALSE(image.setColors(1986, 0, {1, 2}));
    EXPECT_FALSE(image.setRecord(RecordKind::Batter, 1986, 0, 0, MakeRecord(RecordKind::Pitcher, 1993)));
    EXPECT_EQ(image.bytes(), bytes);
}

} // namespace
} // namespace quindaro2
