#include "core/league/LeagueTable.h"

#include "LeagueRom.h"
#include "core/roster/GridFill.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

class LeagueTableTest : public ::testing::TestWithParam<int> {};

// Every row is the grid row the editor shows for that team and slot.
TEST_P(LeagueTableTest, RowsAreTheGridsOfEveryTeam)
{
    const EditionProfile& profile = *FindProfile(GetParam());
    const RomImage image = test::SampleLeague(GetParam());
    const LeagueTable table = BuildLeagueTable(profile, image);

    std::size_t expected = 0;
    for (const RecordKind grid : LeagueGrids(profile))
        expected += static_cast<std::size_t>(profile.slots(grid) * profile.teamCount());
    ASSERT_EQ(table.rows.size(), expected);
    for (const LeagueRow& row : table.rows) {
        const TeamView view = FillTeam(profile, image, row.team);
        const TextGrid& grid = view.grid(row.grid);
        for (int c = 1; c < grid.columnCount(); ++c)
            ASSERT_EQ(row.cells.value(c - 1), grid.cell(c, row.slot + 1)) << row.team << ' ' << row.slot << ' ' << c;
    }
    EXPECT_EQ(table.rows.back().team, profile.teamCount() - 1);
}

INSTANTIATE_TEST_SUITE_P(Editions, LeagueTableTest, ::testing::Values(1986, 1991, 1993, 1994));

TEST(LeagueTableTest, RecordsPastTheEndOfAShortImageAreEmptyRows)
{
    const EditionProfile& profile = *FindProfile(1990);
    QByteArray bytes = DemoRomImage(1990);
    const qint64 cut = *profile.recordOffset(RecordKind::Batter, 2, 0, 0);
    const LeagueTable table = BuildLeagueTable(profile, RomImage(bytes.left(cut)));
    const LeagueRow& last = table.rows.back();
    EXPECT_EQ(last.cells.size(), static_cast<qsizetype>(profile.columns(last.grid).size()));
    EXPECT_TRUE(last.cells.join(QString()).isEmpty());
    EXPECT_FALSE(table.rows.front().cells.join(QString()).isEmpty());
}

struct LabelCase {
    int edition;
    int team;
    const char* label;
};

TEST(LeagueTableTest, TeamsSharingACodeAreToldApartByIndex)
{
    const LabelCase cases[] = {{1993, 3, "C (3)"}, {1993, 13, "C (13)"}, {1993, 7, "Bu"}, {1993, 0, "T"}, {1986, 3, "C"}};
    for (const LabelCase& c : cases)
        EXPECT_EQ(LeagueTeamLabel(*FindProfile(c.edition), c.team), QString::fromUtf8(c.label)) << c.edition << c.team;
}

TEST(LeagueTableTest, CellsAreFoundByHeadingInTheirOwnGrid)
{
    const EditionProfile& profile = *FindProfile(1993);
    const LeagueTable table = BuildLeagueTable(profile, test::SampleLeague(1993));
    QStringList headings = LeagueHeadings(profile);
    EXPECT_EQ(headings.removeDuplicates(), 0);
    const QString& batterOnly = profile.columnOfKind(RecordKind::Batter, ColumnKind::HomeRuns)->header;
    const LeagueRow* pitcher = nullptr;
    for (const LeagueRow& row : table.rows)
        pitcher = row.grid == RecordKind::Pitcher && !pitcher ? &row : pitcher;
    ASSERT_TRUE(pitcher);
    EXPECT_EQ(LeagueCell(profile, *pitcher, batterOnly), nullptr);
    int column = 0;
    profile.columnOfKind(RecordKind::Pitcher, ColumnKind::Name, &column);
    const QString* name = LeagueCell(profile, *pitcher, profile.column(RecordKind::Pitcher, column)->header);
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, pitcher->cells[column - 1]);
}

} // namespace
} // namespace quindaro2
