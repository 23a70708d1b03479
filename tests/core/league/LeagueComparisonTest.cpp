#include "core/league/LeagueComparison.h"

#include "LeagueRom.h"
#include "core/roster/FieldCodec.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

TEST(LeagueComparisonTest, NamesEveryCellThatReadsDifferently)
{
    const EditionProfile& profile = *FindProfile(1993);
    const RomImage before = test::SampleLeague(1993);
    RomImage after = before;
    test::Rename(after, profile, RecordKind::Pitcher, 13, 4, QStringLiteral("あおい"));
    int column = 0;
    const ColumnDescriptor* homeRuns = profile.columnOfKind(RecordKind::Batter, ColumnKind::HomeRuns, &column);
    Record record = after.record(profile, RecordKind::Batter, 3, 0).record;
    const int old = DecodeNumber(*homeRuns, record);
    ASSERT_TRUE(EncodeColumn(*homeRuns, old == 7 ? 8 : 7, record).ok());
    ASSERT_TRUE(after.setRecord(profile, RecordKind::Batter, 3, 0, record).ok());

    const std::vector<LeagueDifference> differences =
        CompareLeagues(profile, BuildLeagueTable(profile, before), BuildLeagueTable(profile, after));
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0], (LeagueDifference{3, RecordKind::Batter, 0, column, homeRuns->header,
                                                QString::number(old), QString::number(old == 7 ? 8 : 7)}));
    EXPECT_EQ(differences[1].team, 13);
    EXPECT_EQ(differences[1].grid, RecordKind::Pitcher);
    EXPECT_EQ(differences[1].slot, 4);
    EXPECT_TRUE(differences[1].after.startsWith(QStringLiteral("あおい")));

    EXPECT_TRUE(CompareLeagues(profile, BuildLeagueTable(profile, before), BuildLeagueTable(profile, before)).empty());
}

TEST(LeagueComparisonTest, BytesNoColumnShowsAreNoDifference)
{
    const EditionProfile& profile = *FindProfile(1986);
    const RomImage before = test::SampleLeague(1986);
    QByteArray bytes = before.bytes();
    bytes[bytes.size() - 1] = static_cast<char>(bytes.back() ^ 0x55);  // program data, not a record
    EXPECT_TRUE(CompareLeagues(profile, BuildLeagueTable(profile, before), BuildLeagueTable(profile, RomImage(bytes))).empty());
}

} // namespace
} // namespace quindaro2
