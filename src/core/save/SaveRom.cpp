#include "core/save/SaveRom.h"

#include "core/file/FileWriter.h"
#include "core/file/RomFile.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SaveRom)
};

SaveResult Failed(const QString& reason)
{
    return {reason};
}

bool TeamChangedOnDisk(const ShownTeam& team, const RomImage& now)
{
    const EditorState& state = team.state;
    return TeamBytes(now, state.Edition, state.TeamIndex) != TeamBytes(team.source, state.Edition, state.TeamIndex);
}

} // namespace

SaveResult SaveShownTeam(ShownTeam& team, const QString& target, const OverwriteQuestion& overwriteChanged,
                         const WriteBackStep& writeBack)
{
    if (team.state.RomPath.isEmpty())
        return Failed(Text::tr("ROMファイルが開かれていません"));

    // Held until the target is written, so that no other writer's save of the
    // same file falls between our read and our write.
    const Result<LockedRom> opened = LockedRom::Open(team.state.RomPath, LockedRom::Access::Update);
    if (!opened)
        return Failed(opened.reason());
    if (TeamChangedOnDisk(team, opened->image()) && !(overwriteChanged && overwriteChanged()))
        return {QString(), true};

    RomImage image = opened->image();
    const WriteBackResult written = writeBack(team, image);
    if (!written.ok())
        return Failed(written.error);
    if (const Status saved = WriteWholeFile(target, image.bytes()); !saved)
        return Failed(saved.reason());

    team.state.SaveTarget = target;
    team.state.RomPath = target;
    team.source = image;
    return {};
}

} // namespace quindaro2
