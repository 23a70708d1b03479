#include "cli/Command.h"

#include "cli/PatchOutput.h"
#include "cli/PatchPreview.h"
#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"
#include "core/patch/Patch.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PatchCommand)
};

// A patch of a ROM is far smaller; anything larger is no patch of ours.
constexpr qint64 kLargestPatch = 4 * kLargestRom;

class PatchCommand : public Command {
public:
    QString name() const override { return QStringLiteral("patch"); }

    QString summary() const override { return Text::tr("IPS・BPS パッチを作る、当てる"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli patch create ORIGINAL MODIFIED OUT\n"
                        "        quindaro2-cli patch apply ROM PATCH OUT\n"
                        "        quindaro2-cli patch apply --dry-run ROM PATCH [--format text|json|csv]\n"
                        "\n"
                        "  create  ORIGINAL から MODIFIED への変更を、OUT の拡張子（.ips か .bps）の形式の\n"
                        "          パッチにします。どんな2つのファイルにも使えます。\n"
                        "  apply   ROM に PATCH を当てた結果を OUT に書きます。形式はパッチの先頭のバイトで\n"
                        "          決まります。BPS パッチは元の ROM、結果、パッチ自身のチェックサムを確かめ、\n"
                        "          別の ROM のためのパッチは何も書かずに断ります。IPS パッチには確かめる\n"
                        "          手段がありません。\n"
                        "\n"
                        "OUT には読み込むファイルを使えません。\n"
                        "\n")
            + Text::tr("  --dry-run     apply で何も書かずに、パッチがこの ROM に当てられるかどうかと、\n"
                       "                変わるバイト（オフセット、バイト数、前 → 後）を表示します\n")
            + FormatHelp();
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {QCommandLineOption(QStringLiteral("dry-run")), FormatOption()};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const QStringList& files = arguments.positionals();
        const std::optional<OutputFormat> format = RequireFormat(name(), arguments, io);
        if (!format)
            return kExitUsage;
        if (arguments.isSet(QStringLiteral("--dry-run"))) {
            if (files.size() != 3 || files[0] != QStringLiteral("apply"))
                return io.usageError(name(), Text::tr("--dry-run は patch apply --dry-run ROM PATCH の形で使います"));
            return preview(files[1], files[2], *format, io);
        }
        if (*format != OutputFormat::Text)
            return io.usageError(name(), Text::tr("--format は --dry-run と一緒に使います"));
        if (files.size() != 4 || (files[0] != QStringLiteral("create") && files[0] != QStringLiteral("apply")))
            return io.usageError(name(), Text::tr("patch create ORIGINAL MODIFIED OUT か patch apply ROM PATCH OUT の形で指定してください"));
        if (files[3].isEmpty())
            return io.usageError(name(), Text::tr("OUT のファイル名が空です"));
        return files[0] == QStringLiteral("create") ? create(files[1], files[2], files[3], io)
                                                    : apply(files[1], files[2], files[3], io);
    }

private:
    static int preview(const QString& rom, const QString& patchFile, OutputFormat format, Io& io)
    {
        const Result<QByteArray> source = ReadWholeFile(rom, kLargestPatch);
        if (!source)
            return io.fileError(source.reason());
        const Result<QByteArray> patch = ReadWholeFile(patchFile, kLargestPatch);
        if (!patch)
            return io.fileError(patch.reason());
        const PatchPreview preview = PatchPreview::Of(source.value(), patch.value());
        switch (format) {
        case OutputFormat::Json:
            PrintJson(io, PatchPreviewJson(preview));
            break;
        case OutputFormat::Csv:
            PrintCsv(io, PatchPreviewCsv(preview));
            break;
        case OutputFormat::Text:
            if (preview.applied) {
                for (const QString& line : PatchPreviewLines(preview))
                    io.print(line);
            }
            break;
        }
        if (!preview.applied)
            return io.refused(Text::tr("%1：%2").arg(patchFile, preview.refusal));
        io.note(Text::tr("--dry-run のため何も書き込んでいません"));
        return kExitOk;
    }

    int create(const QString& original, const QString& modified, const QString& out, Io& io) const
    {
        const Result<QByteArray> before = ReadWholeFile(original, kLargestPatch);
        if (!before)
            return io.fileError(before.reason());
        const Result<QByteArray> after = ReadWholeFile(modified, kLargestPatch);
        if (!after)
            return io.fileError(after.reason());
        return WritePatch(io, name(), out, before.value(), after.value(), {original, modified});
    }

    int apply(const QString& rom, const QString& patchFile, const QString& out, Io& io) const
    {
        if (const std::optional<int> refused = RefuseInputAsOutput(io, out, {rom, patchFile}))
            return *refused;
        const Result<QByteArray> source = ReadWholeFile(rom, kLargestPatch);
        if (!source)
            return io.fileError(source.reason());
        const Result<QByteArray> patch = ReadWholeFile(patchFile, kLargestPatch);
        if (!patch)
            return io.fileError(patch.reason());
        const Result<AppliedPatch> applied = ApplyPatch(source.value(), patch.value());
        if (!applied)
            return io.refused(Text::tr("%1：%2").arg(patchFile, applied.reason()));
        if (const Status written = WriteWholeFile(out, applied->target); !written)
            return io.fileError(written.reason());
        if (applied->verified)
            io.note(Text::tr("BPS パッチを当てて %1 に書き込みました（元の ROM と結果のチェックサムは一致しています）").arg(out));
        else
            io.note(Text::tr("IPS パッチを当てて %1 に書き込みました。IPS パッチには元の ROM を確かめる手段がないため、"
                              "正しい ROM に当てたかどうかは確かめられていません")
                         .arg(out));
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakePatchCommand()
{
    return std::make_unique<PatchCommand>();
}

} // namespace quindaro2::cli
