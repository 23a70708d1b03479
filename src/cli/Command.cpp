#include "cli/Command.h"

#include "core/edition/Edition.h"
#include "core/roster/GridFill.h"

namespace quindaro2::cli {

const std::vector<std::unique_ptr<Command>>& Commands()
{
    static const std::vector<std::unique_ptr<Command>> commands = [] {
        std::vector<std::unique_ptr<Command>> list;
        list.push_back(MakeExportCommand());
        list.push_back(MakeShowCommand());
        list.push_back(MakeSetCommand());
        list.push_back(MakeImportCommand());
        list.push_back(MakeDemoCommand());
        return list;
    }();
    return commands;
}

const Command* FindCommand(const QString& name)
{
    for (const std::unique_ptr<Command>& command : Commands()) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

QCommandLineOption EditionOption()
{
    return QCommandLineOption(QStringLiteral("edition"), QString(), QStringLiteral("E"));
}

QCommandLineOption TeamOption()
{
    return QCommandLineOption(QStringLiteral("team"), QString(), QStringLiteral("T"));
}

QString EditionHelp()
{
    return QStringLiteral("  --edition E   版（%1 または %2）\n").arg(ShortEditionSpan(), EditionSpan());
}

QString TeamHelp()
{
    return QStringLiteral("  --team T      チーム: 0 から数える番号、またはその版で一つしかないチームコード\n");
}

std::optional<int> RequireEdition(const QString& command, const Arguments& arguments, Io& io)
{
    if (!arguments.isSet(QStringLiteral("--edition"))) {
        io.usageError(command, QStringLiteral("--edition がありません"));
        return std::nullopt;
    }
    const QString text = arguments.value(QStringLiteral("--edition"));
    const std::optional<int> edition = ParseEdition(text);
    if (!edition)
        io.usageError(command, QStringLiteral("版は %1 または %2 で指定してください：%3")
                                   .arg(ShortEditionSpan(), EditionSpan(), text));
    return edition;
}

std::optional<int> RequireTeam(const QString& command, const Arguments& arguments, int edition, Io& io)
{
    if (!arguments.isSet(QStringLiteral("--team"))) {
        io.usageError(command, QStringLiteral("--team がありません"));
        return std::nullopt;
    }
    const TeamChoice choice = ParseTeam(edition, arguments.value(QStringLiteral("--team")));
    if (!choice.error.isEmpty()) {
        io.usageError(command, choice.error);
        return std::nullopt;
    }
    return choice.team;
}

bool FillShownTeam(Io& io, ShownTeam& team, const QString& rom, int edition, int teamIndex, const RomImage& image)
{
    team.state.RomPath = rom;
    team.state.SaveTarget = rom;
    team.state.Edition = edition;
    team.state.TeamIndex = teamIndex;
    const TeamFillReport report = FillTeam(team, image);
    for (const QString& warning : report.warnings)
        io.note(QStringLiteral("警告：") + warning);
    for (const QString& problem : report.readProblems)
        io.note(rom + QStringLiteral("：") + problem);
    return report.readProblems.isEmpty();
}

} // namespace quindaro2::cli
