#include "core/save/SaveDocument.h"

#include "core/document/TeamAreas.h"
#include "core/edition/EditionProfile.h"
#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SaveDocument)
};

SaveResult Failed(const QString& reason)
{
    return {reason};
}

// Whether another program changed one of the teams in the file since the
// document read it.
bool ChangedElsewhere(const RomDocument& document, const RomImage& fresh, const std::vector<int>& teams)
{
    if (fresh.size() != document.fileImage().size())
        return true;
    for (const int team : teams) {
        if (!DifferingRuns(document.profile(), document.fileImage(), fresh, team).empty())
            return true;
    }
    return false;
}

// The fresh image with the teams as the document holds them: where another
// program changed such a team too, the user chose the document's team.
Result<RomImage> WithTeams(const RomDocument& document, RomImage fresh, const std::vector<int>& teams)
{
    const RomImage& edited = document.image();
    for (const int team : teams) {
        for (const ByteSpan& area : TeamAreas(document.profile(), edited.trainer(), team)) {
            if (!fresh.overwrite(area.offset, edited.bytesAt(area.offset, area.length)))
                return Result<RomImage>::Failed(
                    Text::tr("%1 は開いたときより短くなっているため、保存できません").arg(document.path()));
        }
    }
    return fresh;
}

} // namespace

SaveResult SaveDocument(RomDocument& document, const SaveRequest& request, const LockedRom* held)
{
    if (request.patch && SameFile(request.target, document.path()))
        return Failed(Text::tr("%1 は開いている ROM ファイルです。パッチの書き込み先には使えません").arg(request.target));

    // Held until the target is written, so that no other writer's save of
    // the same file falls between our read and our write.
    std::optional<Result<LockedRom>> opened;
    if (!held) {
        opened.emplace(LockedRom::Open(document.path(), request.patch ? LockedRom::Access::Read : LockedRom::Access::Update));
        if (!*opened)
            return Failed(opened->reason());
        held = &opened->value();
    }
    const RomImage& fresh = held->image();
    const std::vector<int> teams = document.changedTeams();
    if (!teams.empty() && ChangedElsewhere(document, fresh, teams)
        && !(request.overwriteChanged && request.overwriteChanged()))
        return {QString(), true};

    Result<RomImage> saved = WithTeams(document, fresh, teams);
    if (!saved)
        return Failed(saved.reason());
    if (request.patch) {
        if (saved->bytes() == fresh.bytes())
            return {Text::tr("ROM と保存する内容は同じです。パッチは書きません"), false, true};
        const Result<QByteArray> patch = CreatePatch(*request.patch, fresh.bytes(), saved->bytes());
        if (!patch)
            return {patch.reason(), false, true};
        if (const Status written = WriteWholeFile(request.target, patch.value()); !written)
            return Failed(written.reason());
        return {QString(), false, false, patch->size()};
    }
    if (const Status written = WriteWholeFile(request.target, saved->bytes()); !written)
        return Failed(written.reason());
    const qint64 size = saved->size();
    document.markSaved(request.target, std::move(saved).value());
    return {QString(), false, false, size};
}

} // namespace quindaro2
