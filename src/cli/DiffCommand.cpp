#include "cli/Command.h"

#include "cli/OutputFormat.h"
#include "core/edition/EditionProfile.h"
#include "core/file/RomFile.h"
#include "core/league/LeagueComparison.h"
#include "core/roster/GridName.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DiffCommand)
};

class DiffCommand : public Command {
public:
    QString name() const override { return QStringLiteral("diff"); }

    QString summary() const override { return Text::tr("別の ROM かパッチと選手ごとに比べる"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli diff --edition E ROM OTHER [--format text|json]\n"
                        "       quindaro2-cli diff --edition E ROM --patch PATCH [--format text|json]\n"
                        "\n"
                        "ROM と、同じ版の別の ROM（OTHER）または ROM に IPS/BPS パッチを当てたもの（メモリの中だけ）を\n"
                        "比べ、値の違うセルを1つ1行で表示します: チーム、表、行、列の見出し、元の値、新しい値。\n"
                        "何も書き込みません。\n"
                        "\n")
            + EditionOrAutoHelp()
            + Text::tr("  --patch PATCH ROM にこのパッチを当てたものと比べる。別の ROM 用の BPS パッチは受け付けません\n"
                       "  --format F    出力の形式: text（既定）、json\n"
                       "\n"
                       "--format json は {\"edition\", \"differences\"} で、differences の各要素は team、code、\n"
                       "grid、row（league と同じ）、column（1 から）、heading、old（ROM のセル）、new（比べる\n"
                       "ROM のセル）を持ちます。\n"
                       "\n"
                       "終了コード: 0 違いなし、3 違いあり、1 ファイルを読めない、2 使い方の誤りまたは受け付けられないパッチ\n");
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(), QCommandLineOption(QStringLiteral("patch"), QString(), QStringLiteral("PATCH")),
                FormatOption()};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<EditionChoice> choice = RequireEditionChoice(name(), arguments, io);
        if (!choice)
            return kExitUsage;
        const std::optional<OutputFormat> format = RequireFormat(name(), arguments, io);
        if (!format)
            return kExitUsage;
        if (*format == OutputFormat::Csv)
            return io.usageError(name(), Text::tr("diff の形式は text か json です"));
        const bool patched = arguments.isSet(QStringLiteral("--patch"));
        const QStringList& files = arguments.positionals();
        if (files.size() != (patched ? 1 : 2))
            return io.usageError(name(), patched ? Text::tr("--patch と一緒には ROM のファイル名が1つ必要です")
                                                 : Text::tr("ROM と OTHER のファイル名が必要です"));
        const Result<RomImage> image = ReadRomFile(files[0]);
        if (!image)
            return io.fileError(image.reason());
        const std::optional<int> edition = ResolveEdition(*choice, image.value(), io);
        if (!edition)
            return kExitUsage;
        std::optional<RomImage> other;
        if (const int code = patched ? readPatched(image.value(), arguments.value(QStringLiteral("--patch")), other, io)
                                     : readRom(files[1], other, io);
            code != kExitOk)
            return code;

        const EditionProfile& profile = *FindProfile(*edition);
        const std::vector<LeagueDifference> differences =
            CompareLeagues(profile, BuildLeagueTable(profile, image.value()), BuildLeagueTable(profile, *other));
        if (*format == OutputFormat::Json)
            printJson(profile, differences, io);
        else
            printText(profile, differences, io);
        if (differences.empty()) {
            io.note(Text::tr("違いはありません"));
            return kExitOk;
        }
        io.note(Text::tr("%n個のセルが違います", nullptr, static_cast<int>(differences.size())));
        return kExitDiffers;
    }

private:
    // The other league, or the exit code of why there is none.
    static int readRom(const QString& path, std::optional<RomImage>& other, Io& io)
    {
        Result<RomImage> image = ReadRomFile(path);
        if (!image)
            return io.fileError(image.reason());
        other = std::move(image.value());
        return kExitOk;
    }

    static int readPatched(const RomImage& image, const QString& patchFile, std::optional<RomImage>& other, Io& io)
    {
        const Result<QByteArray> patch = ReadWholeFile(patchFile, 4 * kLargestRom);
        if (!patch)
            return io.fileError(patch.reason());
        Result<RomImage> patched = PatchedLeague(image, patch.value());
        if (!patched)
            return io.refused(Text::tr("%1：%2").arg(patchFile, patched.reason()));
        other = std::move(patched.value());
        return kExitOk;
    }

    static void printJson(const EditionProfile& profile, const std::vector<LeagueDifference>& differences, Io& io)
    {
        QJsonArray cells;
        for (const LeagueDifference& d : differences)
            cells.append(QJsonObject{{QStringLiteral("team"), d.team},
                                     {QStringLiteral("code"), LeagueTeamLabel(profile, d.team)},
                                     {QStringLiteral("grid"), GridWord(d.grid)},
                                     {QStringLiteral("row"), d.slot + 1},
                                     {QStringLiteral("column"), d.column},
                                     {QStringLiteral("heading"), d.heading},
                                     {QStringLiteral("old"), d.before},
                                     {QStringLiteral("new"), d.after}});
        PrintJson(io, {{QStringLiteral("edition"), profile.year}, {QStringLiteral("differences"), cells}});
    }

    static void printText(const EditionProfile& profile, const std::vector<LeagueDifference>& differences, Io& io)
    {
        for (const LeagueDifference& d : differences)
            io.print(Text::tr("%1  %2  %3行目  %4：%5 → %6")
                         .arg(LeagueTeamLabel(profile, d.team), GridName(d.grid))
                         .arg(d.slot + 1)
                         .arg(d.heading, d.before, d.after));
    }
};

} // namespace

std::unique_ptr<Command> MakeDiffCommand()
{
    return std::make_unique<DiffCommand>();
}

} // namespace quindaro2::cli
