#pragma once

#include "core/import/PlayerImport.h"

#include <QString>
#include <QStringList>

namespace quindaro2 {

// "Gチーム"; for a code that several teams share, which one: "Cチーム（2つ目）".
QString ImportTeamName(int edition, int team);

// "Gチーム バッター 3「ＡＢＣ　」 打率：250 → 270"
QString ChangeText(int edition, const ImportedCell& change);

// "players.txt 12 行目 打率「3割」：" and the reason.
QString ProblemText(const ImportProblem& problem);

// How many cells change in which teams, in one line.
QString ImportSummary(int edition, const PlayerImport& import);

// The change list, then the notes on values stored otherwise; or, when
// refused, the problems listed and how many more there are.
QStringList ImportDetails(int edition, const PlayerImport& import);

} // namespace quindaro2
