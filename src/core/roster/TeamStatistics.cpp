#include "core/roster/TeamStatistics.h"

#include "core/edition/EditionProfile.h"
#include "core/roster/FieldCodec.h"

#include <cstdint>
#include <cstdlib>

namespace quindaro2 {

namespace {

// The sum over every slot of the roster of the values the column holding
// `field` shows.
std::int64_t ColumnSum(const EditionProfile& profile, const RomImage& image, int team, RecordKind grid, ColumnKind field)
{
    const ColumnDescriptor* column = profile.columnOfKind(grid, field);
    if (!column || !column->rule)
        return 0;
    std::int64_t sum = 0;
    for (int slot = 0; slot < profile.slots(grid); ++slot) {
        if (const RecordRead read = image.record(profile, grid, team, slot))
            sum += ShownValue(*column, DecodeNumber(*column, read.record));
    }
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
TeamStatistics FormatFigures(const TeamTotals& totals)
{
    const int b = totals.batters;
    const int p = totals.pitchers;
    if (b == 0 || p == 0)
        return {};
    TeamStatistics figures;
    figures.AverageLabel = u'.' + QString::number((2 * totals.battingAverages + 1) / (2 * b));
    figures.HomerunLabel = QString::number(totals.homeRuns);
    figures.RunLabel = FixedPoint((10 * totals.running + 5) / b, 1);
    figures.ErrorLabel = FixedPoint((2 * totals.earnedRunAverages + 1) / (2 * p), 2);
    return figures;
}

TeamStatistics ShowTeamStatistics(const EditionProfile& profile, const RomImage& image, int team)
{
    const auto sum = [&](RecordKind grid, ColumnKind field) { return ColumnSum(profile, image, team, grid, field); };
    return FormatFigures({profile.slots(RecordKind::Batter), profile.slots(RecordKind::Pitcher),
                          sum(RecordKind::Batter, ColumnKind::BattingAverage), sum(RecordKind::Batter, ColumnKind::HomeRuns),
                          sum(RecordKind::Batter, ColumnKind::Running),
                          sum(RecordKind::Pitcher, ColumnKind::EarnedRunAverage)});
}

} // namespace quindaro2
