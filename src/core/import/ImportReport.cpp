#include "core/import/ImportReport.h"

#include "core/export/PlayerExport.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImportReport)
};

QString Teams(std::size_t count)
{
    return Text::tr("%n チーム", nullptr, static_cast<int>(count));
}

QString Cells(std::size_t count)
{
    return Text::tr("%n セル", nullptr, static_cast<int>(count));
}

} // namespace

QString ImportTeamName(int edition, int team)
{
    const QString label = TeamLabel(edition, team);
    const std::vector<int> sharing = TeamsLabelled(edition, label);
    if (sharing.size() < 2)
        return Text::tr("%1チーム").arg(label);
    const auto occurrence = std::count_if(sharing.begin(), sharing.end(), [team](int other) { return other <= team; });
    return Text::tr("%1チーム（%2つ目）").arg(label).arg(occurrence);
}

QString ChangeText(int edition, const ImportedCell& change)
{
    return Text::tr("%1 %2 %3「%4」 %5：%6 → %7")
        .arg(ImportTeamName(edition, change.team), GridName(change.grid))
        .arg(change.slot + 1)
        .arg(change.player, change.heading, change.before, change.after);
}

QString ProblemText(const ImportProblem& problem)
{
    QString place = problem.file;
    if (problem.line > 0)
        place += Text::tr(" %1 行目").arg(problem.line);
    if (!problem.column.isEmpty())
        place += Text::tr(" %1「%2」").arg(problem.column, problem.text);
    else if (!problem.text.isEmpty())
        place += Text::tr("「%1」").arg(problem.text);
    return Text::tr("%1：%2").arg(place, problem.reason);
}

QString ImportSummary(int edition, const PlayerImport& import)
{
    if (!import.ok())
        return Text::tr("取り込めないところが %n か所あります。何も書き込みません", nullptr,
                        static_cast<int>(import.problems.size()) + import.unlistedProblems);
    if (import.changes.empty())
        return Text::tr("%1を読みました。変わるセルはありません").arg(Teams(import.teams.size()));
    std::map<int, int> cellsByTeam;
    for (const ImportedCell& change : import.changes)
        ++cellsByTeam[change.team];
    QStringList teams;
    for (const auto& [team, cells] : cellsByTeam)
        teams << Text::tr("%1 %2").arg(ImportTeamName(edition, team)).arg(cells);
    return Text::tr("%1を読みました。%2の %3が変わります（%4）")
        .arg(Teams(import.teams.size()), Teams(cellsByTeam.size()), Cells(import.changes.size()),
             teams.join(Text::tr("、")));
}

QStringList ImportDetails(int edition, const PlayerImport& import)
{
    QStringList lines;
    if (!import.ok()) {
        for (const ImportProblem& problem : import.problems)
            lines << ProblemText(problem);
        if (import.unlistedProblems > 0)
            lines << Text::tr("ほか %n か所（最初の %1 か所だけを示しています）", nullptr, import.unlistedProblems)
                         .arg(kMostImportProblems);
        return lines;
    }
    for (const ImportedCell& change : import.changes)
        lines << ChangeText(edition, change);
    for (const QString& note : import.notes)
        lines << Text::tr("注意：%1").arg(note);
    return lines;
}

} // namespace quindaro2
