#include "core/roster/TeamStatistics.h"

#include "core/edition/ColumnTable.h"
#include "core/roster/GridFill.h"
#include "support/PlausibleRom.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace quindaro2 {
namespace {

std::vector<int> Spread(int total, int count)
{
    std::vector<int> values(static_cast<std::size_t>(count), total / count);
    values[0] += total % count;
    return values;
}

struct FigureCase {
    int edition;
    int batterColumn;
    std::vector<int> batterValues;
    std::vector<int> pitcherValues;
    const char* average;
    const char* homeRuns;
    const char* run;
    const char* era;
};

std::ostream& operator<<(std::ostream& out, const FigureCase& c)
{
    return out << c.edition << " column " << c.batterColumn;
}

class TeamStatisticsTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(TeamStatisticsTest, FormatsTheFourFigures)
{
    const FigureCase& c = GetParam();
    TeamTotals totals{*RecordsPerTeam(RecordKind::Batter, c.edition), *RecordsPerTeam(RecordKind::Pitcher, c.edition)};
    std::int64_t batterSum = 0;
    for (const int value : c.batterValues)
        batterSum += value;
    switch (Column(RecordKind::Batter, c.edition, c.batterColumn)->kind) {
    case ColumnKind::BattingAverage: totals.battingAverages = batterSum; break;
    case ColumnKind::HomeRuns: totals.homeRuns = batterSum; break;
    default: totals.running = batterSum; break;
    }
    for (const int value : c.pitcherValues)
        totals.earnedRunAverages += value;
    const TeamStatistics figures = FormatFigures(totals);
    if (c.average) {
        EXPECT_EQ(figures.AverageLabel, QString::fromUtf8(c.average));
    }
    if (c.homeRuns) {
        EXPECT_EQ(figures.HomerunLabel, QString::fromUtf8(c.homeRuns));
    }
    if (c.run) {
        EXPECT_EQ(figures.RunLabel, QString::fromUtf8(c.run));
    }
    if (c.era) {
        EXPECT_EQ(figures.ErrorLabel, QString::fromUtf8(c.era));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TeamStatisticsTest,
    ::testing::Values(
        // Means cut toward zero after adding the half to the sum.
        FigureCase{1986, 3, Spread(3400, 12), {0, 0, 0, 0}, ".283", nullptr, nullptr, "0"},
        FigureCase{1986, 3, Spread(3438, 12), {250, 300, 275, 310}, ".286", nullptr, nullptr, "2.83"},
        FigureCase{1987, 5, Spread(45, 12), {300, 300, 300, 300}, nullptr, nullptr, "3.7", "3"},
        FigureCase{1990, 5, Spread(48, 12), {250, 250, 250, 250, 250, 280}, nullptr, nullptr, "4", "2.55"},
        FigureCase{1991, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {100, 100, 100, 100, 100, 100}, nullptr, "78",
                   nullptr, "1"},
        // 1992 counts 13 batters and 5 pitchers.
        FigureCase{1992, 3, Spread(13 * 300, 13), {200, 200, 200, 200, 205}, ".300", nullptr, nullptr, "2.01"},
        FigureCase{1992, 5, Spread(13 * 4 + 7, 13), {0, 0, 0, 0, 1}, nullptr, nullptr, "4.5", "0"},
        FigureCase{1993, 4, Spread(0, 13), {0, 0, 0, 0, 0, 0, 70}, nullptr, "0", nullptr, "0.1"},
        // Negative cells (values that did not decode) count with their value.
        FigureCase{1986, 3, Spread(-24, 12), {-1, -1, -1, -1}, ".-1", nullptr, nullptr, "0"},
        FigureCase{1986, 5, Spread(-12, 12), {-40, 0, 0, 0}, nullptr, nullptr, "-0.9", "-0.09"},
        FigureCase{1988, 4, {-1, -196, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, nullptr, "-197", nullptr,
                   nullptr}));

// The figures are those of the values the team's cells show, whatever bytes
// hold them, and every slot of the roster counts.
TEST(TeamStatistics, FollowTheCellsOfEveryEdition)
{
    for (const EditionProfile& profile : Profiles()) {
        test::SyntheticRom rom;
        test::FillPlausibleRoster(rom, profile.year, 5);
        const TeamView view = FillTeam(profile, test::Image(rom), 2);
        TeamTotals totals{profile.slots(RecordKind::Batter), profile.slots(RecordKind::Pitcher)};
        const auto sum = [&](RecordKind grid, ColumnKind kind) {
            int column = 0;
            std::int64_t total = 0;
            if (profile.columnOfKind(grid, kind, &column)) {
                for (int row = 1; row <= profile.slots(grid); ++row)
                    total += view.grid(grid).cell(column, row).toInt();
            }
            return total;
        };
        totals.battingAverages = sum(RecordKind::Batter, ColumnKind::BattingAverage);
        totals.homeRuns = sum(RecordKind::Batter, ColumnKind::HomeRuns);
        totals.running = sum(RecordKind::Batter, ColumnKind::Running);
        totals.earnedRunAverages = sum(RecordKind::Pitcher, ColumnKind::EarnedRunAverage);
        EXPECT_EQ(view.statistics, FormatFigures(totals)) << profile.year;
        EXPECT_NE(view.statistics.AverageLabel, QStringLiteral("-----")) << profile.year;
    }
}

TEST(TeamStatistics, NoRosterShowsDashes)
{
    EXPECT_EQ(FormatFigures({0, 7, 100, 1, 1, 1}), TeamStatistics());
    EXPECT_EQ(FormatFigures({13, 0, 100, 1, 1, 1}), TeamStatistics());
    EXPECT_EQ(TeamStatistics().RunLabel, QStringLiteral("-----"));
}

} // namespace
} // namespace quindaro2
