#include "cli/Command.h"

#include "cli/PatchOutput.h"
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
                        "\n"
                        "  create  ORIGINAL から MODIFIED への変更を、OUT の拡張子（.ips か .bps）の形式の\n"
                        "          パッチにします。どんな2つのファイルにも使えます。\n"
                        "  apply   ROM に PATCH を当てた結果を OUT に書きます。形式はパッチの先頭のバイトで\n"
                        "          決まります。BPS パッチは元の ROM、結果、パッチ自身のチェックサムを確かめ、\n"
                        "          別の ROM のためのパッチは何も書かずに断ります。IPS パッチには確かめる\n"
                        "          手段がありません。\n"
                        "\n"
                        "OUT には読み込むファイルを使えません。\n");
    }

    std::vector<QCommandLineOption> options() const override { return {}; }

    int run(const Arguments& arguments, Io& io) const override
    {
        const QStringList& files = arguments.positionals();
        if (files.size() != 4 || (files[0] != QStringLiteral("create") && files[0] != QStringLiteral("apply")))
            return io.usageError(name(), Text::tr("patch create ORIGINAL MODIFIED OUT か patch apply ROM PATCH OUT の形で指定してください"));
        if (files[3].isEmpty())
            return io.usageError(name(), Text::tr("OUT のファイル名が空です"));
        return files[0] == QStringLiteral("create") ? create(files[1], files[2], files[3], io)
                                                    : apply(files[1], files[2], files[3], io);
    }

private:
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
