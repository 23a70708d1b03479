#include "cli/Command.h"

#include "cli/OutputFormat.h"
#include "cli/TeamRows.h"
#include "cli/TerminalText.h"
#include "core/edit/NesPalette.h"
#include "core/edition/EditionProfile.h"
#include "core/export/PlayerExport.h"
#include "core/file/RomFile.h"
#include "core/roster/GridFill.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ShowCommand)
};

class ShowCommand : public Command {
public:
    QString name() const override { return QStringLiteral("show"); }

    QString summary() const override { return Text::tr("1チームの表、チームの数値と色を表示する"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli show --edition E --team T ROM [--format text|json|csv]\n"
                        "\n"
                        "エディタが表示するとおりに、1チームのバッター・ピッチャー・監督の表、\n"
                        "チームの4つの数値と2つの色コードを表示します。警告と読み込めなかった\n"
                        "データは標準エラーに出ます。\n"
                        "\n")
            + EditionOrAutoHelp() + TeamHelp() + FormatHelp();
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(), TeamOption(), FormatOption()};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<EditionChoice> choice = RequireEditionChoice(name(), arguments, io);
        if (!choice)
            return kExitUsage;
        if (!CheckTeamChoice(name(), arguments, *choice, io))
            return kExitUsage;
        const std::optional<OutputFormat> format = RequireFormat(name(), arguments, io);
        if (!format)
            return kExitUsage;
        if (arguments.positionals().size() != 1)
            return io.usageError(name(), Text::tr("ROM のファイル名が1つ必要です"));
        const QString& rom = arguments.positionals()[0];
        const Result<RomImage> image = ReadRomFile(rom);
        if (!image)
            return io.fileError(image.reason());
        const std::optional<int> edition = ResolveEdition(*choice, image.value(), io);
        if (!edition)
            return kExitUsage;
        const std::optional<int> teamIndex = RequireTeam(name(), arguments, *edition, io);
        if (!teamIndex)
            return kExitUsage;

        const TeamView team = FillTeam(*FindProfile(*edition), image.value(), *teamIndex);
        const bool complete = ReportFill(io, team, rom);
        const int code = complete ? kExitOk : kExitFileError;
        if (*format == OutputFormat::Json) {
            PrintJson(io, {{QStringLiteral("edition"), *edition},
                           {QStringLiteral("team"), TeamJson(ReadTeamRows(*edition, team, image.value()))}});
            return code;
        }
        if (*format == OutputFormat::Csv) {
            const TeamRows rows = ReadTeamRows(*edition, team, image.value());
            PrintCsv(io, TeamsCsv({&rows, 1}));
            return code;
        }
        const TeamStatistics& figures = team.statistics;
        io.print(Text::tr("%1年版  チーム %2（%3）").arg(*edition).arg(*teamIndex).arg(TeamLabel(*edition, *teamIndex)));
        io.print(Text::tr("平均打率：%1  総本塁打：%2  平均走力：%3  平均防御率：%4")
                     .arg(figures.AverageLabel, figures.HomerunLabel, figures.RunLabel, figures.ErrorLabel));
        io.print(Text::tr("帽子の色：%1  ユニフォームの色：%2")
                     .arg(ColorCodeText(team.HelmetColorCode), ColorCodeText(team.UniformColorCode)));
        for (const RecordKind kind : {RecordKind::Batter, RecordKind::Pitcher, RecordKind::Manager}) {
            const TextGrid& grid = team.grid(kind);
            if (grid.rowCount() == 0)
                continue;
            io.print(QString());
            io.print(GridName(kind));
            for (const QString& text : FormatGrid(grid))
                io.print(text);
        }
        return code;
    }
};

} // namespace

std::unique_ptr<Command> MakeShowCommand()
{
    return std::make_unique<ShowCommand>();
}

} // namespace quindaro2::cli
