#include "core/roster/TeamStatistics.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace quindaro2 {
namespace {

// A grid whose column `column` holds the values, one per data row.
TextGrid GridWith(int column, const std::vector<int>& values)
{
    TextGrid grid;
    grid.reset(12, static_cast<int>(values.size()) + 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        grid.setCell(column, static_cast<int>(i) + 1, QString::number(values[i]));
    return grid;
}

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
    const TeamStatistics figures =
        ShowTeamStatistics(c.edition, GridWith(c.batterColumn, c.batterValues), GridWith(3, c.pitcherValues));
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

TEST(TeamStatistics, OnlyTheEditionsRosterCounts)
{
    // A 13th batter row does not count in 1986, whose teams have 12 batters.
    std::vector<int> values = Spread(12 * 250, 12);
    values.push_back(9999);
    EXPECT_EQ(ShowTeamStatistics(1986, GridWith(3, values), GridWith(3, {0, 0, 0, 0})).AverageLabel,
              QStringLiteral(".250"));
}

TEST(TeamStatistics, NoEditionShowsDashes)
{
    EXPECT_EQ(ShowTeamStatistics(0, TextGrid(), TextGrid()), TeamStatistics());
    EXPECT_EQ(TeamStatistics().RunLabel, QStringLiteral("-----"));
}

} // namespace
} // namespace quindaro2
