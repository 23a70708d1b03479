#include "core/import/ImportReport.h"

#include "core/export/PlayerExport.h"
#include "core/roster/GridName.h"

#include <map>

namespace quindaro2 {

QString ImportTeamName(int edition, int team)
{
    const QString label = TeamLabel(edition, team);
    int occurrence = 0;
    int sharing = 0;
    for (int other = 0; other < TeamCount(edition); ++other) {
        if (TeamLabel(edition, other) != label)
            continue;
        ++sharing;
        if (other <= team)
            ++occurrence;
    }
    const QString name = label + QStringLiteral("チーム");
    return sharing > 1 ? QStringLiteral("%1（%2つ目）").arg(name).arg(occurrence) : name;
}

QString ChangeText(int edition, const ImportedCell& change)
{
    return QStringLiteral("%1 %2 %3「%4」 %5：%6 → %7")
        .arg(ImportTeamName(edition, change.team), GridName(change.grid))
        .arg(change.slot + 1)
        .arg(change.player, change.heading, change.before, change.after);
}

QString ProblemText(const ImportProblem& problem)
{
    QString place = problem.file;
    if (problem.line > 0)
        place += QStringLiteral(" %1 行目").arg(problem.line);
    if (!problem.column.isEmpty())
        place += QStringLiteral(" %1「%2」").arg(problem.column, problem.text);
    else if (!problem.text.isEmpty())
        place += QStringLiteral("「%1」").arg(problem.text);
    return place + QStringLiteral("：") + problem.reason;
}

QString ImportSummary(int edition, const PlayerImport& import)
{
    if (!import.ok())
        return QStringLiteral("取り込めないところが %1 か所あります。何も書き込みません").arg(import.problems.size());
    if (import.changes.empty())
        return QStringLiteral("%1 チームを読みました。変わるセルはありません").arg(import.teams.size());
    std::map<int, int> cellsByTeam;
    for (const ImportedCell& change : import.changes)
        ++cellsByTeam[change.team];
    QStringList teams;
    for (const auto& [team, cells] : cellsByTeam)
        teams << QStringLiteral("%1 %2").arg(ImportTeamName(edition, team)).arg(cells);
    return QStringLiteral("%1 チームを読みました。%2 チームの %3 セルが変わります（%4）")
        .arg(import.teams.size())
        .arg(cellsByTeam.size())
        .arg(import.changes.size())
        .arg(teams.join(QStringLiteral("、")));
}

QStringList ImportDetails(int edition, const PlayerImport& import)
{
    QStringList lines;
    if (!import.ok()) {
        for (const ImportProblem& problem : import.problems)
            lines << ProblemText(problem);
        return lines;
    }
    for (const ImportedCell& change : import.changes)
        lines << ChangeText(edition, change);
    for (const QString& note : import.notes)
        lines << QStringLiteral("注意：") + note;
    return lines;
}

} // namespace quindaro2
