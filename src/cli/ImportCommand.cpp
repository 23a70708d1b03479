#include "cli/Command.h"

#include "cli/ImportOutput.h"
#include "cli/PatchOutput.h"

#include "core/import/ImportIntoRom.h"
#include "core/import/ImportReport.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)
};

class ImportCommand : public Command {
public:
    QString name() const override { return QStringLiteral("import"); }

    QString summary() const override
    {
        return Text::tr("出力したテキスト（表計算ソフトで編集したもの）を ROM に取り込む");
    }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli import --edition E ROM CSV... [--output OUT | --patch OUT]\n"
                        "                             [--dry-run [--format text|json|csv]]\n"
                        "\n"
                        "export で書いたテキストを ROM に戻します。CSV は全チームの1ファイルでも、\n"
                        "チームごとのファイル（順は問いません）でもかまいません。ファイルにないチームは\n"
                        "そのままです。チームはチームの行（「Gチーム」）で、選手は行の順（1行目が1人目）で\n"
                        "決まります。変わったセルはエディタの編集ダイアログと同じ規則で調べ、変わらない\n"
                        "セルのバイトはそのまま残します。1991年版の「タイプ」は出力と同じく1バイト全体\n"
                        "（バッターは 16 × タイプ + 守備位置、ピッチャーは 16 × タイプ + 1）です。\n"
                        "受け付けられないセルが1つでもあれば何も書かず、それを（100 か所まで）表示します。\n"
                        "Shift-JIS と UTF-8（BOM の有無を問わず）、CR LF・LF・CR の行末、引用符で囲んだ欄、\n"
                        "行末の空の欄と空行を読めます。CSV は合わせて 1 MiB、65536 行までです。\n"
                        "監督とチームの色は変わりません。\n"
                        "\n")
            + EditionOrAutoHelp()
            + Text::tr("  --output OUT  ROM のコピーに取り込んだファイルを OUT に作ります（ROM は変わりま\n"
                       "                せん）。省略すると ROM そのものに書きます\n")
            + PatchOptionHelp()
            + Text::tr("  --dry-run     何も書かずに、変わるセルを表示します（チーム、何人目、名前、\n"
                       "                列、前 → 後）\n")
            + FormatHelp();
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(), QCommandLineOption(QStringLiteral("output"), QString(), QStringLiteral("OUT")),
                QCommandLineOption(QStringLiteral("patch"), QString(), QStringLiteral("OUT")),
                QCommandLineOption(QStringLiteral("dry-run")), FormatOption()};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<EditionChoice> edition = RequireEditionChoice(name(), arguments, io);
        if (!edition)
            return kExitUsage;
        if (arguments.positionals().size() < 2)
            return io.usageError(name(), Text::tr("ROM と1つ以上の CSV が必要です"));
        const QString& rom = arguments.positionals()[0];
        const QStringList texts = arguments.positionals().mid(1);
        const QString output = QStringLiteral("--output");
        const QString patch = QStringLiteral("--patch");
        if (arguments.isSet(output) && arguments.isSet(patch))
            return io.usageError(name(), Text::tr("--patch と --output は一緒に使えません"));
        ImportTarget target{arguments.isSet(output) ? arguments.value(output) : rom, std::nullopt, {}};
        if (arguments.isSet(patch)) {
            target.path = arguments.value(patch);
            target.patch = PatchKindOfFileName(target.path);
            if (!target.patch)
                return io.usageError(name(), Text::tr("パッチのファイル名は .ips か .bps で終わる必要があります：%1").arg(target.path));
        }
        if (target.path.isEmpty())
            return io.usageError(name(), Text::tr("%1 のファイル名が空です").arg(arguments.isSet(patch) ? patch : output));
        if (arguments.isSet(output))
            if (const std::optional<int> refused = RefuseRomAsOutput(io, target.path, rom))
                return *refused;
        const bool dryRun = arguments.isSet(QStringLiteral("--dry-run"));
        const std::optional<OutputFormat> format = RequireFormat(name(), arguments, io);
        if (!format)
            return kExitUsage;
        if (*format != OutputFormat::Text && !dryRun)
            return io.usageError(name(), Text::tr("--format は --dry-run と一緒に使います"));
        if (*format != OutputFormat::Text)
            return dryRunFor(*edition, rom, texts, target, *format, io);

        const auto resolve = [&](const RomImage& image) { return ResolveEdition(*edition, image, io); };
        const ImportRun run = ImportIntoRomFile(rom, resolve, texts, target, [&](int year, const PlayerImport& import) {
            if (dryRun)
                printChanges(year, import, io);
            return !dryRun;
        });
        switch (run.outcome) {
        case ImportRun::Outcome::Failed:
            return io.fileError(run.error);
        case ImportRun::Outcome::NoEdition:
            return kExitUsage;
        case ImportRun::Outcome::Refused:
            for (const QString& line : ImportDetails(run.edition, run.import))
                io.note(line);
            return io.refused(ImportSummary(run.edition, run.import));
        case ImportRun::Outcome::Unchanged:
            io.note(ImportSummary(run.edition, run.import));
            io.note(Text::tr("%1 はそのままです").arg(rom));
            return kExitOk;
        case ImportRun::Outcome::Declined:
            io.note(Text::tr("--dry-run のため何も書き込んでいません"));
            return kExitOk;
        case ImportRun::Outcome::Written:
            for (const QString& note : run.import.notes)
                io.note(Text::tr("注意：%1").arg(note));
            io.note(ImportSummary(run.edition, run.import));
            io.note((target.patch ? Text::tr("%1 にパッチを書き込みました") : Text::tr("%1 に保存しました"))
                         .arg(target.path));
            return kExitOk;
        }
        return kExitFileError;
    }

private:
    // A dry run for scripts: the document on standard output, the messages on standard error.
    static int dryRunFor(const EditionChoice& edition, const QString& rom, const QStringList& texts,
                         const ImportTarget& target, OutputFormat format, Io& io)
    {
        RomImage original;
        const auto resolve = [&](const RomImage& image) {
            original = image;  // the records before, for the bytes the document shows
            return ResolveEdition(edition, image, io);
        };
        const ImportRun run = ImportIntoRomFile(rom, resolve, texts, target, [](int, const PlayerImport&) { return false; });
        switch (run.outcome) {
        case ImportRun::Outcome::Failed:
            return io.fileError(run.error);
        case ImportRun::Outcome::NoEdition:
            return kExitUsage;
        case ImportRun::Outcome::Refused:
        case ImportRun::Outcome::Unchanged:
        case ImportRun::Outcome::Declined:
        case ImportRun::Outcome::Written:
            break;
        }
        if (format == OutputFormat::Json)
            PrintJson(io, ImportJson(run, original));
        else
            PrintCsv(io, ImportCsv(run));
        if (run.outcome == ImportRun::Outcome::Refused) {
            for (const QString& line : ImportDetails(run.edition, run.import))
                io.note(line);
            return io.refused(ImportSummary(run.edition, run.import));
        }
        io.note(ImportSummary(run.edition, run.import));
        io.note(Text::tr("--dry-run のため何も書き込んでいません"));
        return kExitOk;
    }

    static void printChanges(int edition, const PlayerImport& import, Io& io)
    {
        io.print(ImportSummary(edition, import));
        for (const ImportedCell& change : import.changes)
            io.print(ChangeText(edition, change));
        for (const QString& note : import.notes)
            io.print(Text::tr("注意：%1").arg(note));
    }
};

} // namespace

std::unique_ptr<Command> MakeImportCommand()
{
    return std::make_unique<ImportCommand>();
}

} // namespace quindaro2::cli
