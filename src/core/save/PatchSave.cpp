#include "core/save/PatchSave.h"

#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"
#include "core/patch/Patch.h"
#include "core/roster/WriteBack.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PatchSave)
};

} // namespace

Status SaveShownTeamAsPatch(const ShownTeam& team, const QString& patchPath)
{
    if (team.state.RomPath.isEmpty())
        return Status::Failed(Text::tr("ROMファイルが開かれていません"));
    const std::optional<PatchKind> kind = PatchKindOfFileName(patchPath);
    if (!kind)
        return Status::Failed(Text::tr("パッチのファイル名は .ips か .bps で終わる必要があります：%1").arg(patchPath));
    if (const Status usable = CheckSaveTarget(patchPath); !usable)
        return usable;
    if (SameFile(patchPath, team.state.RomPath))
        return Status::Failed(Text::tr("%1 は開いている ROM ファイルです。パッチの書き込み先には使えません").arg(patchPath));

    const Result<RomImage> original = ReadRomFile(team.state.RomPath);
    if (!original)
        return Status::Failed(original.reason());
    RomImage modified = original.value();
    if (const WriteBackResult written = WriteBackTeam(team, modified); !written.ok())
        return Status::Failed(written.error);
    const Result<QByteArray> patch = CreatePatch(*kind, original->bytes(), modified.bytes());
    if (!patch)
        return Status::Failed(patch.reason());
    return WriteWholeFile(patchPath, patch.value());
}

} // namespace quindaro2
