#include "cli/Command.h"

#include "core/detect/EditionDetection.h"
#include "core/edition/Edition.h"
#include "core/edition/EditionName.h"
#include "core/roster/GridFill.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Command)
};

bool TeamGiven(const QString& command, const Arguments& arguments, Io& io)
{
    if (arguments.isSet(QStringLiteral("--team")))
        return true;
    io.usageError(command, Text::tr("--team がありません"));
    return false;
}

} // namespace

const std::vector<std::unique_ptr<Command>>& Commands()
{
    static const std::vector<std::unique_ptr<Command>> commands = [] {
        std::vector<std::unique_ptr<Command>> list;
        list.push_back(MakeExportCommand());
        list.push_back(MakeShowCommand());
        list.push_back(MakeLeagueCommand());
        list.push_back(MakeDiffCommand());
        list.push_back(MakeSetCommand());
        list.push_back(MakeImportCommand());
        list.push_back(MakeDemoCommand());
        list.push_back(MakePatchCommand());
        list.push_back(MakeDetectCommand());
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
    return Text::tr("  --edition E   版（%1 または %2）\n").arg(ShortEditionSpan(), EditionSpan());
}

QString TeamHelp()
{
    return Text::tr("  --team T      チーム: 0 から数える番号、またはその版で一つしかないチームコード\n");
}

std::optional<int> RequireEdition(const QString& command, const Arguments& arguments, Io& io)
{
    if (!arguments.isSet(QStringLiteral("--edition"))) {
        io.usageError(command, Text::tr("--edition がありません"));
        return std::nullopt;
    }
    const QString text = arguments.value(QStringLiteral("--edition"));
    const std::optional<int> edition = ParseEdition(text);
    if (!edition)
        io.usageError(command, EditionRefusal(text));
    return edition;
}

QString EditionOrAutoHelp()
{
    return Text::tr("  --edition E   版（%1 または %2）。auto なら ROM から推定します\n").arg(ShortEditionSpan(), EditionSpan());
}

std::optional<EditionChoice> RequireEditionChoice(const QString& command, const Arguments& arguments, Io& io)
{
    if (!arguments.isSet(QStringLiteral("--edition"))) {
        io.usageError(command, Text::tr("--edition がありません"));
        return std::nullopt;
    }
    const QString text = arguments.value(QStringLiteral("--edition"));
    if (text == QStringLiteral("auto"))
        return EditionChoice{};
    const std::optional<int> year = ParseEdition(text);
    if (!year) {
        io.usageError(command, Text::tr("版は %1、%2 または auto で指定してください：%3")
                                   .arg(ShortEditionSpan(), EditionSpan(), text));
        return std::nullopt;
    }
    return EditionChoice{year};
}

std::optional<int> ResolveEdition(const EditionChoice& choice, const RomImage& image, Io& io)
{
    if (choice.year)
        return choice.year;
    const Detection detection = DetectEdition(image);
    if (!detection.edition) {
        io.complain(Text::tr("版を推定できません：%1。--edition で版を指定してください").arg(detection.doubt));
        for (const QString& line : RankingLines(detection))
            io.note(QStringLiteral("  ") + line);
        return std::nullopt;
    }
    io.note(Text::tr("%1年版と推定しました（次点 %2年版との差 %3）")
                .arg(*detection.edition)
                .arg(detection.ranking[1].edition)
                .arg(detection.margin, 0, 'f', 1));
    return detection.edition;
}

std::optional<int> RequireTeam(const QString& command, const Arguments& arguments, int edition, Io& io)
{
    if (!TeamGiven(command, arguments, io))
        return std::nullopt;
    const TeamChoice choice = ParseTeam(edition, arguments.value(QStringLiteral("--team")));
    if (!choice.error.isEmpty()) {
        io.usageError(command, choice.error);
        return std::nullopt;
    }
    return choice.team;
}

bool CheckTeamChoice(const QString& command, const Arguments& arguments, const EditionChoice& choice, Io& io)
{
    if (choice.year)
        return RequireTeam(command, arguments, *choice.year, io).has_value();
    return TeamGiven(command, arguments, io);
}

bool ReportFill(Io& io, const TeamView& view, const QString& rom)
{
    for (const QString& warning : view.warnings)
        io.note(Text::tr("警告：%1").arg(warning));
    for (const QString& problem : view.readProblems)
        io.note(Text::tr("%1：%2").arg(rom, problem));
    return view.readProblems.isEmpty();
}

} // namespace quindaro2::cli
