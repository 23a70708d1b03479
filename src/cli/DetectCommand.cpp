#include "cli/Command.h"

#include "cli/DetectionOutput.h"
#include "core/detect/EditionDetection.h"
#include "core/file/RomFile.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DetectCommand)
};

class DetectCommand : public Command {
public:
    QString name() const override { return QStringLiteral("detect"); }

    QString summary() const override { return Text::tr("ROM がどの版かを推定する"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli detect ROM [--format text|json|csv]\n"
                        "\n"
                        "ROM がどの版かを、各版の配置でどれだけもっともらしく読めるかから推定します。\n"
                        "1行目は推定した版の年、決められないときは unknown です。続けて各版を\n"
                        "「年 点数」の形で、点数の高い順に1行ずつ出します。\n"
                        "\n"
                        "点数は 0～100 です。その版のすべての選手・監督の名前、打席と投法、数値、\n"
                        "チームの色と数値が、その版で表示・編集できるものなら 100 になります。\n"
                        "版を決めるのは、最高点が %1 以上で 2位より %2 以上高いときだけです。\n"
                        "NES の印のないファイルと、ヘッダーの示す大きさより短いファイルは推定しません。\n"
                        "ファイルの大きさだけで決めることはありません。\n"
                        "\n"
                        "\n")
                   .arg(kLeastScore, 0, 'f', 1)
                   .arg(kClearMargin, 0, 'f', 1)
            + FormatHelp() + Text::tr("\n終了コード: 0 推定できた、1 ファイルを読めない、2 推定できない\n");
    }

    std::vector<QCommandLineOption> options() const override { return {FormatOption()}; }

    int run(const Arguments& arguments, Io& io) const override
    {
        if (arguments.positionals().size() != 1)
            return io.usageError(name(), Text::tr("ROM のファイル名が1つ必要です"));
        const std::optional<OutputFormat> format = RequireFormat(name(), arguments, io);
        if (!format)
            return kExitUsage;
        const Result<RomImage> image = ReadRomFile(arguments.positionals()[0]);
        if (!image)
            return io.fileError(image.reason());
        const Detection detection = DetectEdition(image.value());
        switch (*format) {
        case OutputFormat::Json:
            PrintJson(io, DetectionJson(detection, image.value()));
            break;
        case OutputFormat::Csv:
            PrintCsv(io, RankingCsv(detection));
            break;
        case OutputFormat::Text:
            io.print(detection.edition ? QString::number(*detection.edition) : QStringLiteral("unknown"));
            for (const QString& line : RankingLines(detection))
                io.print(line);
            break;
        }
        if (!detection.edition) {
            io.note(Text::tr("推定できません：%1").arg(detection.doubt));
            return kExitUsage;
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeDetectCommand()
{
    return std::make_unique<DetectCommand>();
}

} // namespace quindaro2::cli
