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
// the mean batting average (column 3), the home-run total (column 4), the mean
// running speed (column 5) and the mean earned-run average (pitcher column 3).
// Every player of the edition's roster counts.
TeamStatistics ShowTeamStatistics(int edition, const TextGrid& batters, const TextGrid& pitchers);

} // namespace quindaro2
