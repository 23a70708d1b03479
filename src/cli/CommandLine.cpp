#include "cli/CommandLine.h"

#include "core/export/PlayerExport.h"
#include "core/rom/Edition.h"

#include <algorithm>

namespace quindaro2::cli {

namespace {

const OptionSpec* FindOption(const std::vector<OptionSpec>& options, const QString& name)
{
    const auto found = std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
    return found == options.end() ? nullptr : &*found;
}

QString TeamList(int edition)
{
    QStringList teams;
    for (int team = 0; team < TeamCount(edition); ++team)
        teams << QStringLiteral("%1=%2").arg(team).arg(TeamLabel(edition, team));
    return teams.join(QStringLiteral(", "));
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const std::vector<OptionSpec>& options)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QStringLiteral("-")) || argument == QStringLiteral("-")
            || (argument.size() > 1 && argument[1] != u'-' && argument != QStringLiteral("-h"))) {
            line.positionals << argument;
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            line.help = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const OptionSpec* option = FindOption(options, name);
        if (!option) {
            line.error = QStringLiteral("不明なオプションです：%1").arg(name);
            return line;
        }
        if (line.has(name)) {
            line.error = QStringLiteral("%1 が2回あります").arg(name);
            return line;
        }
        if (!option->takesValue) {
            if (equals >= 0) {
                line.error = QStringLiteral("%1 は値をとりません").arg(name);
                return line;
            }
            line.flags << name;
            continue;
        }
        if (equals >= 0) {
            line.values.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            line.values.insert(name, arguments[++i]);
        } else {
            line.error = QStringLiteral("%1 には値が必要です").arg(name);
            return line;
        }
    }
    return line;
}

std::optional<int> ParseIndex(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toInt();
}

std::optional<RecordKind> ParseGrid(const QString& name)
{
    if (name == QStringLiteral("batter"))
        return RecordKind::Batter;
    if (name == QStringLiteral("pitcher"))
        return RecordKind::Pitcher;
    if (name == QStringLiteral("manager"))
        return RecordKind::Manager;
    return std::nullopt;
}

std::optional<int> ParseEdition(const QString& text)
{
    const std::optional<int> number = ParseIndex(text);
    if (!number)
        return std::nullopt;
    const int year = text.size() == 2 ? 1900 + *number : *number;
    if ((text.size() != 2 && text.size() != 4) || !IsEdition(year))
        return std::nullopt;
    return year;
}

TeamChoice ParseTeam(int edition, const QString& text)
{
    TeamChoice choice;
    const int teams = TeamCount(edition);
    if (const std::optional<int> index = ParseIndex(text)) {
        if (*index < teams)
            choice.team = *index;
        else
            choice.error = QStringLiteral("%1年版のチーム番号は 0～%2 です（%3）：%4")
                               .arg(edition)
                               .arg(teams - 1)
                               .arg(TeamList(edition), text);
        return choice;
    }
    QList<int> matches;
    for (int team = 0; team < teams; ++team) {
        if (TeamCode(edition, team) == text || TeamLabel(edition, team) == text)
            matches << team;
    }
    if (matches.size() == 1) {
        choice.team = matches.first();
    } else if (matches.isEmpty()) {
        choice.error = QStringLiteral("%1年版にチームコード「%2」はありません（%3）").arg(edition).arg(text, TeamList(edition));
    } else {
        QStringList indexes;
        for (int team : matches)
            indexes << QString::number(team);
        choice.error = QStringLiteral("チームコード「%1」は%2年版に%3つあります（番号 %4）。番号で指定してください")
                           .arg(text)
                           .arg(edition)
                           .arg(matches.size())
                           .arg(indexes.join(QStringLiteral("、")));
    }
    return choice;
}

} // namespace quindaro2::cli
