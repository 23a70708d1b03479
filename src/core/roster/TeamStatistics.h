#pragma once

#include "core/roster/TextGrid.h"

#include <QString>

namespace quindaro2 {

// The four figures above the grids, as their labels show them.
struct TeamStatistics {
    QString AverageLabel = QStringLiteral("-----");
    QString HomerunLabel = QStringLiteral("-----");
    QString RunLabel = QStringLiteral("-----");
    QString ErrorLabel = QStringLiteral("-----");

    friend bool operator==(const TeamStatistics&, const TeamStatistics&) = default;
};

// Computed from the grid cells, not the ROM, so they follow unsaved edits:
// the mean batting average, the home-run total, the mean running speed and
// the mean earned-run average of the pitchers.
// Every player of the edition's roster counts.
TeamStatistics ShowTeamStatistics(int edition, const TextGrid& batters, const TextGrid& pitchers);

} // namespace quindaro2
