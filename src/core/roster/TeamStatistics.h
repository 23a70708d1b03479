#pragma once

#include "core/rom/RomImage.h"

#include <QString>

#include <cstdint>

namespace quindaro2 {

struct EditionProfile;

// The four figures above the grids, as their labels show them.
struct TeamStatistics {
    QString AverageLabel = QStringLiteral("-----");
    QString HomerunLabel = QStringLiteral("-----");
    QString RunLabel = QStringLiteral("-----");
    QString ErrorLabel = QStringLiteral("-----");

    friend bool operator==(const TeamStatistics&, const TeamStatistics&) = default;
};

// What the four figures are made of: sums over every slot of the roster.
struct TeamTotals {
    int batters = 0;
    int pitchers = 0;
    std::int64_t battingAverages = 0;
    std::int64_t homeRuns = 0;
    std::int64_t running = 0;
    std::int64_t earnedRunAverages = 0;
};

// The figures of the totals: means cut toward zero after adding the half to
// the sum; dashes for a roster without batters or pitchers.
TeamStatistics FormatFigures(const TeamTotals& totals);

// The mean batting average, the home-run total, the mean running speed and
// the mean earned-run average of the pitchers, from the values the team's
// cells show. Every slot of the edition's roster counts; one the image cannot
// give counts 0.
TeamStatistics ShowTeamStatistics(const EditionProfile& profile, const RomImage& image, int team);

} // namespace quindaro2
