#include "cli/PatchOutput.h"

#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/patch/Patch.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PatchOutput)
};

} // namespace

std::optional<int> RefuseInputAsOutput(Io& io, const QString& out, const QStringList& inputs)
{
    for (const QString& input : inputs) {
        if (SameFile(out, input))
            return io.refused(Text::tr("%1 は読み込むファイルと同じです。書き込み先には使えません").arg(out));
    }
    return std::nullopt;
}

std::optional<int> RefuseRomAsOutput(Io& io, const QString& out, const QString& rom)
{
    if (!SameFile(out, rom))
        return std::nullopt;
    return io.refused(Text::tr("--output の %1 は ROM %2 と同じファイルです。ROM そのものに書くには --output を省いてください")
                          .arg(out, rom));
}

int WritePatch(Io& io, const QString& command, const QString& out, const QByteArray& original,
               const QByteArray& modified, const QStringList& inputs)
{
    const std::optional<PatchKind> kind = PatchKindOfFileName(out);
    if (!kind)
        return io.usageError(command, Text::tr("パッチのファイル名は .ips か .bps で終わる必要があります：%1").arg(out));
    if (const std::optional<int> refused = RefuseInputAsOutput(io, out, inputs))
        return *refused;
    if (original == modified)
        return io.refused(Text::tr("2つのファイルは同じです。パッチは書きません"));
    const Result<QByteArray> patch = CreatePatch(*kind, original, modified);
    if (!patch)
        return io.refused(patch.reason());
    if (const Status written = WriteWholeFile(out, patch.value()); !written)
        return io.fileError(written.reason());
    ReportPatchWritten(io, out, patch->size());
    return kExitOk;
}

void ReportPatchWritten(Io& io, const QString& out, qint64 size)
{
    io.note(Text::tr("%1 にパッチを書き込みました（%2 バイト）").arg(out, QString::number(size)));
}

} // namespace quindaro2::cli
