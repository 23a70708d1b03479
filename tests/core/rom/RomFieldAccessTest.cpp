#include "core/rom/Edition.h"
#include "core/rom/RomFieldAccess.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace quindaro2 {
namespace {

using test::MakeRecord;
using test::ReadFile;
using test::RomFolder;
using test::SyntheticRom;

TEST(HasTrainer, ReadsBitTwoOfHeaderByteSix)
{
    RomFolder folder;
    EXPECT_EQ(HasTrainer(folder.path(QStringLiteral("missing.nes"))), -1);
    EXPECT_EQ(HasTrainer(folder.write(QStringLiteral("plain.nes"), SyntheticRom(16))), 0);
    EXPECT_EQ(HasTrainer(folder.write(QStringLiteral("trainer.nes"), SyntheticRom(16).withTrainer())), 1);
    EXPECT_EQ(HasTrainer(folder.write(QStringLiteral("others.nes"), SyntheticRom(16).set(6, {0xFB}))), 0);
    EXPECT_EQ(HasTrainer(folder.write(QStringLiteral("eight.nes"), SyntheticRom(8).set(6, {0x04}))), 1);
    EXPECT_EQ(HasTrainer(folder.write(QStringLiteral("seven.nes"), SyntheticRom(7).set(6, {0x04}))), 0);
    EXPECT_EQ(HasTrainer(folder.write(QStringLiteral("empty.nes"), QByteArray())), 0);
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
    RomFolder folder;
    const QString without = folder.write(QStringLiteral("a.nes"), rom);
    const QString with = folder.write(QStringLiteral("b.nes"), rom.withTrainer());

    const RecordRead a = ReadRecord(without, c.kind, c.edition, 1, 0);
    const RecordRead b = ReadRecord(with, c.kind, c.edition, 1, 0);
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
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("a.nes"), rom);
    const Result<TeamColors> colors = ReadTeamColors(path, 1986, 1);
    ASSERT_TRUE(colors);
    EXPECT_EQ(colors.value(), (TeamColors{0x16, 0x2A}));
    EXPECT_EQ(*BatterOffset(1986, 1, 0, HasTrainer(path)), 0x110);
}

TEST(TeamColors, WritingLeavesTheByteBetweenThe1987ColoursAlone)
{
    SyntheticRom rom;
    rom.set(0x9ED9 + 3, {1, 0x77, 2});
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("a.nes"), rom);
    ASSERT_TRUE(WriteTeamColors(path, 1987, 1, {0x30, 0x0F}));
    const QByteArray after = ReadFile(path);
    EXPECT_EQ(after.mid(0x9ED9 + 3, 3), QByteArray::fromHex("30770F"));
    EXPECT_EQ(after.size(), rom.bytes().size());
}

TEST(TeamColors, AdjacentBytesFrom1988)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("a.nes"), SyntheticRom().withTrainer());
    ASSERT_TRUE(WriteTeamColors(path, 1991, 2, {0x21, 0x05}));
    EXPECT_EQ(ReadFile(path).mid(0x1EB1C + 4 + 512, 2), QByteArray::fromHex("2105"));
    EXPECT_EQ(ReadTeamColors(path, 1991, 2).value(), (TeamColors{0x21, 0x05}));
}

TEST(RecordAccess, WrittenRecordsReadBackInEveryEditionAndKind)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("a.nes"), SyntheticRom());
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        for (RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            if (!RecordsPerTeam(kind, edition))
                continue;
            Record record = MakeRecord(kind, edition);
            for (int i = 0; i < record.size; ++i)
                record[i] = static_cast<std::uint8_t>(edition + i);
            ASSERT_TRUE(WriteRecord(path, kind, edition, 3, 0, record)) << edition;
            const RecordRead back = ReadRecord(path, kind, edition, 3, 0);
            ASSERT_TRUE(back.complete()) << edition;
            EXPECT_EQ(back.record.bytes, record.bytes) << edition;
        }
    }
    EXPECT_EQ(ReadFile(path).size(), SyntheticRom::kDefaultSize);
}

TEST(RecordAccess, MissingFileFailsEverywhereAndNothingIsCreated)
{
    RomFolder folder;
    const QString path = folder.path(QStringLiteral("gone.nes"));
    EXPECT_FALSE(ReadBatterRecord(path, 1986, 0, 0));
    EXPECT_FALSE(ReadPitcherRecord(path, 1986, 0, 0));
    EXPECT_FALSE(ReadManagerRecord(path, 1993, 0));
    EXPECT_FALSE(ReadTeamColors(path, 1986, 0));
    EXPECT_FALSE(WriteBatterRecord(path, 1986, 0, 0, MakeRecord(RecordKind::Batter, 1986)));
    EXPECT_FALSE(WriteTeamColors(path, 1986, 0, {}));
    EXPECT_FALSE(test::FileExists(path));
}

TEST(RecordAccess, FileShorterThanTheRecordsOffset)
{
    RomFolder folder;
    const QString path = folder.write(QStringLiteral("header.nes"), SyntheticRom(16));
    const RecordRead read = ReadBatterRecord(path, 1993, 0, 0);
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.reason.isEmpty());
    EXPECT_FALSE(ReadTeamColors(path, 1993, 0));
}

// A record cut short by the end of the file counts as read, but the caller can
// tell which bytes were not read.
TEST(RecordAccess, FileEndingInsideARecord)
{
    SyntheticRom rom(0x10 + 5);
    rom.set(0x10, {1, 2, 3, 4, 5});
    RomFolder folder;
    const RecordRead read = ReadBatterRecord(folder.write(QStringLiteral("short.nes"), rom), 1986, 0, 0);
    EXPECT_TRUE(read);
    EXPECT_FALSE(read.complete());
    EXPECT_EQ(read.bytesRead, 5);
    EXPECT_EQ(read.record[4], 5);
    EXPECT_EQ(read.record[5], 0);
    EXPECT_FALSE(read.reason.isEmpty());
}

TEST(RecordAccess, WritersFailOnAFileThatCannotBeWritten)
{
    RomFolder folder;
    EXPECT_FALSE(WriteBatterRecord(folder.path(QString()), 1986, 0, 0, MakeRecord(RecordKind::Batter, 1986)));

    const QString path = folder.write(QStringLiteral("locked.nes"), SyntheticRom());
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    EXPECT_FALSE(WriteBatterRecord(path, 1986, 0, 0, MakeRecord(RecordKind::Batter, 1986, {0, 1})));
    EXPECT_FALSE(WriteTeamColors(path, 1986, 0, {1, 2}));
    EXPECT_EQ(ReadFile(path), SyntheticRom().bytes());
}

TEST(RecordAccess, PathsWithJapaneseSpacesAndGreatLength)
{
    RomFolder folder;
    QString dir = folder.path(QStringLiteral("選手 データ"));
    while (dir.toUtf8().size() < 320)
        dir += QStringLiteral("/長いフォルダ名 その") + QString::number(dir.size());
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/ロム ファイル.nes");
    ASSERT_GT(path.toUtf8().size(), 299);
    SyntheticRom rom;
    rom.set(0x10 + 1, {0x0A});
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(rom.bytes());
    out.close();
    EXPECT_EQ(ReadBatterRecord(path, 1986, 0, 0).record[1], 0x0A);
    EXPECT_TRUE(WriteTeamColors(path, 1986, 0, {3, 4}));
    EXPECT_EQ(ReadTeamColors(path, 1986, 0).value(), (TeamColors{3, 4}));
}

} // namespace
} // namespace quindaro2
