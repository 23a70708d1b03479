#include "core/league/LeagueFilter.h"

#include "LeagueRom.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

QString NameOfRow(const EditionProfile& profile, const LeagueRow& row)
{
    int column = 0;
    profile.columnOfKind(row.grid, ColumnKind::Name, &column);
    return row.cells.value(column - 1);
}

struct SearchCase {
    const char* typed;
    const char* looksFor;
};

TEST(LeagueFilterTest, RomajiConvertsAsFarAsItGoes)
{
    const EditionProfile& profile = *FindProfile(1993);
    const SearchCase cases[] = {{"tanaka", "たなか"}, {"tak", "た"}, {"k", "k"}, {" きょう ", "きょう"}, {"", ""}};
    for (const SearchCase& c : cases)
        EXPECT_EQ(LeagueSearchText(profile, QString::fromUtf8(c.typed)), QString::fromUtf8(c.looksFor)) << c.typed;
}

TEST(LeagueFilterTest, NameTeamAndGridNarrowTogether)
{
    const EditionProfile& profile = *FindProfile(1993);
    RomImage image = test::SampleLeague(1993);
    test::Rename(image, profile, RecordKind::Batter, 3, 2, QStringLiteral("たなか"));
    test::Rename(image, profile, RecordKind::Pitcher, 13, 0, QStringLiteral("たなかだ"));
    test::Rename(image, profile, RecordKind::Manager, 5, 0, QStringLiteral("ふたなか"));
    const LeagueTable table = BuildLeagueTable(profile, image);

    struct Case {
        LeagueFilter filter;
        std::vector<std::pair<int, RecordKind>> found;  // team and grid, in table order
    };
    const Case cases[] = {
        {{QStringLiteral("tanaka"), {}, {}},
         {{3, RecordKind::Batter}, {5, RecordKind::Manager}, {13, RecordKind::Pitcher}}},
        {{QStringLiteral("TANAKA"), 13, {}}, {{13, RecordKind::Pitcher}}},
        {{QStringLiteral("たなか"), {}, RecordKind::Manager}, {{5, RecordKind::Manager}}},
        {{QStringLiteral("tanakada"), 3, {}}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, RecordKind>> found;
        for (const int i : FilterLeague(profile, table, c.filter)) {
            const LeagueRow& row = table.rows[static_cast<std::size_t>(i)];
            if (NameOfRow(profile, row).contains(QStringLiteral("たなか")))
                found.emplace_back(row.team, row.grid);
        }
        EXPECT_EQ(found, c.found) << c.filter.name.toStdString();
    }
    const std::vector<int> teamOnly = FilterLeague(profile, table, {QString(), 3, RecordKind::Pitcher});
    EXPECT_EQ(teamOnly.size(), static_cast<std::size_t>(profile.slots(RecordKind::Pitcher)));
}

TEST(LeagueFilterTest, CellsOrderAsNumbersAndNamesAsTheEditionStoresThem)
{
    const EditionProfile& profile = *FindProfile(1993);
    struct Case {
        bool name;
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {false, "9", "10", -1},    {false, "-3", "2", -1}, {false, "１２", "12", 0},
        {false, "5", "", -1},      {false, "右", "左", QStringLiteral("右").compare(QStringLiteral("左")) < 0 ? -1 : 1},
        {true, "っ", "あ", -1},    // っ has a lower code though a higher code point
        {true, "ん", "が", -1},    {true, "あい", "あ", 1}, {true, "か", "か", 0},
    };
    for (const Case& c : cases) {
        const int order = CompareLeagueCells(profile, c.name, QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((order > 0) - (order < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(LeagueFilterTest, SortPutsRowsWithoutTheColumnLastEitherWay)
{
    const EditionProfile& profile = *FindProfile(1993);
    const LeagueTable table = BuildLeagueTable(profile, test::SampleLeague(1993));
    const QString heading = profile.columnOfKind(RecordKind::Batter, ColumnKind::HomeRuns)->header;
    for (const bool descending : {false, true}) {
        std::vector<int> rows = FilterLeague(profile, table, {});
        SortLeague(profile, table, heading, descending, rows);
        const std::size_t batters = static_cast<std::size_t>(profile.slots(RecordKind::Batter) * profile.teamCount());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const LeagueRow& row = table.rows[static_cast<std::size_t>(rows[i])];
            ASSERT_EQ(row.grid == RecordKind::Batter, i < batters) << i;
            if (i == 0 || i >= batters)
                continue;
            const int previous = LeagueCell(profile, table.rows[static_cast<std::size_t>(rows[i - 1])], heading)->toInt();
            const int current = LeagueCell(profile, row, heading)->toInt();
            ASSERT_TRUE(descending ? previous >= current : previous <= current) << i;
        }
    }
}

} // namespace
} // namespace quindaro2
