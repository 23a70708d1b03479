#include "core/roster/TeamStatistics.h"

#include "core/edition/ColumnTable.h"
#include "core/roster/CellText.h"

#include <cstdint>
#include <cstdlib>

namespace quindaro2 {

namespace {

// The sum over every player of the roster of the column holding `kind`.
std::int64_t ColumnSum(RecordKind gridKind, int edition, const TextGrid& grid, ColumnKind field, int rows)
{
    int column = 0;
    if (!ColumnOfKind(gridKind, edition, field, &column))
        return 0;
    std::int64_t sum = 0;
    for (int row = 1; row <= rows; ++row)
        sum += LeadingInteger(grid.cell(column, row));
    return sum;
}

// A number of tenths or hundredths in the general format: no trailing zeros and
// no point for a whole number (37 tenths is "3.7", 40 tenths is "4").
QString FixedPoint(std::int64_t scaled, int decimals)
{
    const std::int64_t unit = decimals == 1 ? 10 : 100;
    const std::int64_t magnitude = std::llabs(scaled);
    QString fraction = QStringLiteral("%1").arg(magnitude % unit, decimals, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString text = (scaled < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / unit);
    return fraction.isEmpty() ? text : text + u'.' + fraction;
}

} // namespace

// The half is added to the sum before the division, and the quotient is cut
// toward zero: in exact arithmetic trunc((2S + 1) / 2B) and trunc((10R + 5) / B).
TeamStatistics ShowTeamStatistics(int edition, const TextGrid& batters, const TextGrid& pitchers)
{
    const int b = RecordsPerTeam(RecordKind::Batter, edition).value_or(0);
    const int p = RecordsPerTeam(RecordKind::Pitcher, edition).value_or(0);
    if (b == 0 || p == 0)
        return {};
    const std::int64_t average = ColumnSum(RecordKind::Batter, edition, batters, ColumnKind::BattingAverage, b);
    const std::int64_t homeRuns = ColumnSum(RecordKind::Batter, edition, batters, ColumnKind::HomeRuns, b);
    const std::int64_t run = ColumnSum(RecordKind::Batter, edition, batters, ColumnKind::Running, b);
    const std::int64_t earnedRuns = ColumnSum(RecordKind::Pitcher, edition, pitchers, ColumnKind::EarnedRunAverage, p);

    TeamStatistics figures;
    figures.AverageLabel = u'.' + QString::number((2 * average + 1) / (2 * b));
    figures.HomerunLabel = QString::number(homeRuns);
    figures.RunLabel = FixedPoint((10 * run + 5) / b, 1);
    figures.ErrorLabel = FixedPoint((2 * earnedRuns + 1) / (2 * p), 2);
    return figures;
}

} // namespace quindaro2
