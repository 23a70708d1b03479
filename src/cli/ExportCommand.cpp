#include "cli/Command.h"

#include "core/export/PlayerExport.h"
#include "core/file/RomFile.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
};

const QString kStandardOutput = QStringLiteral("-");

class ExportCommand : public Command {
public:
    QString name() const override { return QStringLiteral("export"); }

    QString summary() const override
    {
        return Text::tr("全チームのバッターとピッチャーをコンマ区切りのテキストに出力する");
    }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli export --edition E [--per-team] ROM OUT\n"
                        "\n"
                        "ROM の全チームのバッターとピッチャーを、Shift-JIS のコンマ区切りテキスト\n"
                        "（行末は CR LF）として OUT に書きます。エディタの選手データ出力と同じ内容です。\n"
                        "OUT が - のときは標準出力に書きます。\n"
                        "\n")
            + EditionOrAutoHelp()
            + Text::tr("  --per-team    チームごとに1ファイル。OUT の拡張子の前に「_」とチームコードを\n"
                       "                付けた名前になります（players.txt → players_G.txt …）\n");
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(), QCommandLineOption(QStringLiteral("per-team"))};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<EditionChoice> choice = RequireEditionChoice(name(), arguments, io);
        if (!choice)
            return kExitUsage;
        if (arguments.positionals().size() != 2)
            return io.usageError(name(), Text::tr("ROM と OUT の2つのファイル名が必要です"));
        const QString& rom = arguments.positionals()[0];
        const QString& out = arguments.positionals()[1];
        if (out.isEmpty())
            return io.usageError(name(), Text::tr("OUT のファイル名が空です"));
        const ExportMode mode =
            arguments.isSet(QStringLiteral("--per-team")) ? ExportMode::PerTeam : ExportMode::OneFile;
        if (out == kStandardOutput && mode == ExportMode::PerTeam)
            return io.usageError(name(), Text::tr("--per-team のときは OUT に - （標準出力）を使えません"));

        const Result<RomImage> image = ReadRomFile(rom);
        if (!image)
            return io.fileError(image.reason());
        const std::optional<int> edition = ResolveEdition(*choice, image.value(), io);
        if (!edition)
            return kExitUsage;
        if (out == kStandardOutput)
            return toStandardOutput(image.value(), rom, *edition, io);

        const ExportResult result = ExportPlayerData(image.value(), rom, *edition, out, mode);
        for (const QString& file : result.writtenFiles)
            io.note(Text::tr("%1 に書き込みました").arg(file));
        if (!result.ok())
            return io.fileError(result.error);
        return kExitOk;
    }

private:
    int toStandardOutput(const RomImage& image, const QString& rom, int edition, Io& io) const
    {
        const Result<std::vector<ExportFile>> files =
            PlayerExportFiles(image, rom, edition, kStandardOutput, ExportMode::OneFile);
        if (!files)
            return io.fileError(files.reason());
        if (!io.writeOutput(files->front().bytes))
            return io.fileError(Text::tr("標準出力に書き込めません"));
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeExportCommand()
{
    return std::make_unique<ExportCommand>();
}

} // namespace quindaro2::cli
