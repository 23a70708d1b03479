#include "core/edition/Edition.h"
#include "core/edition/EditionLayout.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

TEST(EditionLayout, TeamListsHaveTheirStoredCodes)
{
    const std::array<int, kEditionCount> counts{10, 12, 14, 16, 16, 16, 16, 16, 16};
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition)
        EXPECT_EQ(TeamCount(edition), counts[EditionIndex(edition)]) << edition;

    EXPECT_EQ(TeamCode(1986, 0), QStringLiteral("G "));
    EXPECT_EQ(TeamCode(1986, 9), QStringLiteral("N "));
    EXPECT_EQ(TeamCode(1988, 8), QStringLiteral("Bu"));
    EXPECT_EQ(TeamCode(1992, 14), QStringLiteral("Dy"));
    EXPECT_EQ(TeamCode(1993, 3), QStringLiteral("C "));
    EXPECT_EQ(TeamCode(1993, 13), QStringLiteral("C "));
    EXPECT_EQ(TeamCode(1994, 15), QStringLiteral("AA"));
    EXPECT_TRUE(TeamCode(1986, 10).isEmpty());
    EXPECT_TRUE(TeamCode(1986, -1).isEmpty());
    EXPECT_EQ(TeamCount(1985), 0);
    EXPECT_EQ(TeamCount(1995), 0);
}

TEST(EditionLayout, ManagersExistOnlyFrom1993)
{
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        const bool hasManager = edition >= 1993;
        EXPECT_EQ(RecordSize(RecordKind::Manager, edition).has_value(), hasManager) << edition;
        EXPECT_EQ(GridColumns(RecordKind::Manager, edition).has_value(), hasManager) << edition;
        EXPECT_EQ(RecordsPerTeam(RecordKind::Manager, edition).has_value(), hasManager) << edition;
        EXPECT_EQ(RecordOffset(RecordKind::Manager, edition, 0, 0, 0).has_value(), hasManager) << edition;
    }
}

struct OffsetCase {
    RecordKind kind;
    int edition;
    int team;
    int index;
    int trainer;
    qint64 expected;
};

std::ostream& operator<<(std::ostream& out, const OffsetCase& c)
{
    return out << static_cast<int>(c.kind) << ' ' << c.edition << " team " << c.team << " slot " << c.index
               << " trainer " << c.trainer;
}

class RecordOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(RecordOffsetTest, FollowsTheEditionsPlacement)
{
    const OffsetCase& c = GetParam();
    EXPECT_EQ(RecordOffset(c.kind, c.edition, c.team, c.index, c.trainer), std::optional<qint64>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Editions, RecordOffsetTest,
    ::testing::Values(
        // 1986 team 1 starts right after team 0's four pitchers.
        OffsetCase{RecordKind::Batter, 1986, 1, 0, 0, 0x110},
        OffsetCase{RecordKind::Pitcher, 1986, 0, 3, 0, 0x100},
        OffsetCase{RecordKind::Batter, 1986, 1, 0, 1, 0x110},
        OffsetCase{RecordKind::Pitcher, 1987, 11, 3, 1, 0xD0 + 11 * 256 + 48},
        OffsetCase{RecordKind::Batter, 1988, 13, 11, 0, 0x10010 + 13 * 256 + 11 * 12},
        OffsetCase{RecordKind::Pitcher, 1989, 15, 5, 1, 0x100A0 + 15 * 256 + 5 * 16},
        OffsetCase{RecordKind::Batter, 1990, 0, 0, 1, 0xF210},
        OffsetCase{RecordKind::Pitcher, 1990, 1, 0, 0, 0xF1A0},
        OffsetCase{RecordKind::Batter, 1991, 2, 1, 1, 0xF010 + 2 * 256 + 13 + 512},
        OffsetCase{RecordKind::Pitcher, 1991, 0, 0, 0, 0xF0AC},
        // 1992 player records ignore the trainer.
        OffsetCase{RecordKind::Batter, 1992, 0, 0, 1, 0xF010},
        OffsetCase{RecordKind::Pitcher, 1992, 0, 0, 0, 0xF010 + 13 * 13},
        // 1993 team 13 is the second "C ", not team 3.
        OffsetCase{RecordKind::Batter, 1993, 13, 0, 0, 0x7390},
        OffsetCase{RecordKind::Batter, 1993, 3, 0, 0, 0x6490},
        OffsetCase{RecordKind::Pitcher, 1993, 0, 6, 0, 0x60FA + 6 * 18},
        OffsetCase{RecordKind::Manager, 1993, 0, 0, 0, 0x60FA + 7 * 18},
        OffsetCase{RecordKind::Manager, 1993, 0, 0, 1, 0x6378},
        OffsetCase{RecordKind::Manager, 1994, 15, 0, 0, 0x6178 + 15 * 384},
        OffsetCase{RecordKind::Batter, 1994, 1, 12, 1, 0x6010 + 384 + 12 * 18 + 512},
        // A trainer flag of -1 (file not opened) shifts nothing.
        OffsetCase{RecordKind::Batter, 1994, 0, 0, -1, 0x6010}));

TEST(EditionLayout, NoOffsetForWhatDoesNotExist)
{
    EXPECT_FALSE(RecordOffset(RecordKind::Batter, 1985, 0, 0, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Batter, 1995, 0, 0, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Batter, 1986, 10, 0, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Batter, 1986, -1, 0, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Batter, 1986, 0, 12, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Pitcher, 1986, 0, 4, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Pitcher, 1992, 0, -1, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Manager, 1992, 0, 0, 0));
    EXPECT_FALSE(RecordOffset(RecordKind::Manager, 1993, 16, 0, 0));
    EXPECT_FALSE(ColorOffsets(1986, 10, 0));
    EXPECT_FALSE(ColorOffsets(1995, 0, 0));
}

// The records of a team fill its block without gaps and never reach the next block.
TEST(EditionLayout, TeamBlocksHoldTheirRecordsBackToBack)
{
    const std::array<qint64, kEditionCount> used{256, 256, 240, 240, 240, 252, 249, 378, 378};
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        const int batters = *RecordsPerTeam(RecordKind::Batter, edition);
        const int pitchers = *RecordsPerTeam(RecordKind::Pitcher, edition);
        const qint64 first = *RecordOffset(RecordKind::Batter, edition, 0, 0, 0);
        EXPECT_EQ(*RecordOffset(RecordKind::Pitcher, edition, 0, 0, 0),
                  first + batters * *RecordSize(RecordKind::Batter, edition))
            << edition;
        qint64 end = *RecordOffset(RecordKind::Pitcher, edition, 0, pitchers - 1, 0)
                     + *RecordSize(RecordKind::Pitcher, edition);
        if (edition >= 1993) {
            EXPECT_EQ(*RecordOffset(RecordKind::Manager, edition, 0, 0, 0), end) << edition;
            end += *RecordSize(RecordKind::Manager, edition);
        }
        EXPECT_EQ(end - first, used[EditionIndex(edition)]) << edition;
        EXPECT_LE(end, *RecordOffset(RecordKind::Batter, edition, 1, 0, 0)) << edition;
    }
}

struct ColorCase {
    int edition;
    int team;
    int trainer;
    qint64 helmet;
    qint64 uniform;
};

std::ostream& operator<<(std::ostream& out, const ColorCase& c)
{
    return out << c.edition << " team " << c.team << " trainer " << c.trainer;
}

class ColorOffsetTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorOffsetTest, HonoursTheTrainerInEveryEdition)
{
    const ColorCase& c = GetParam();
    const std::optional<TeamColorOffsets> at = ColorOffsets(c.edition, c.team, c.trainer);
    ASSERT_TRUE(at);
    EXPECT_EQ(at->helmet, c.helmet);
    EXPECT_EQ(at->uniform, c.uniform);
}

INSTANTIATE_TEST_SUITE_P(Editions, ColorOffsetTest,
                         ::testing::Values(ColorCase{1986, 2, 0, 0x9E7E, 0x9E80},
                                           ColorCase{1986, 0, 1, 0x9E76 + 512, 0x9E78 + 512},
                                           ColorCase{1987, 1, 0, 0x9EDC, 0x9EDE},
                                           ColorCase{1988, 13, 0, 0x19465 + 26, 0x19466 + 26},
                                           ColorCase{1989, 0, 0, 0x18010, 0x18011},
                                           ColorCase{1990, 15, 1, 0x18010 + 30 + 512, 0x18011 + 30 + 512},
                                           ColorCase{1991, 1, 0, 0x1EB1E, 0x1EB1F},
                                           ColorCase{1992, 0, 1, 0x1EA5F + 512, 0x1EA60 + 512},
                                           ColorCase{1993, 13, 0, 0x1EAB0 + 26, 0x1EAB1 + 26},
                                           ColorCase{1994, 15, 0, 0x1EA6B + 30, 0x1EA6C + 30}));

} // namespace
} // namespace quindaro2
