#include "core/save/SaveCommands.h"

#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/save/SaveRom.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SaveCommands)
};

// A FIFO would hold the ROM's lock until some reader came, and then be the
// file edited: only a regular file or a new name is saved into.
bool UsableOrWarn(const QString& target, SavePrompts& prompts)
{
    const Status usable = CheckSaveTarget(target);
    if (!usable)
        prompts.Warn(Text::tr("%1 に保存できませんでした．\n%2").arg(QFileInfo(target).fileName(), usable.reason()));
    return usable.ok();
}

bool SaveOrWarn(ShownTeam& team, const QString& target, SavePrompts& prompts)
{
    if (!UsableOrWarn(target, prompts))
        return false;
    const QString fileName = QFileInfo(team.state.RomPath).fileName();
    const SaveResult saved = SaveShownTeam(team, target, [&] { return prompts.AskOverwriteChangedTeam(fileName); });
    if (!saved.error.isEmpty())
        prompts.Warn(Text::tr("%1 に保存できませんでした．\n%2").arg(QFileInfo(target).fileName(), saved.error));
    if (!saved.ok())
        return false;
    team.state.DataChanged = false;
    return true;
}

// One wrong click in the save dialog must not replace another ROM; the opened
// one is saved into without a question, as it always was.
bool MayWrite(const ShownTeam& team, const QString& target, SavePrompts& prompts)
{
    if (!QFileInfo::exists(target) || SameFile(target, team.state.RomPath))
        return true;
    return prompts.AskReplaceFile(target);
}

} // namespace

bool SaveAskingForTarget(ShownTeam& team, SavePrompts& prompts)
{
    if (team.state.RomPath.isEmpty())
        return false;
    const QFileInfo opened(team.state.RomPath);
    const std::optional<QString> target = prompts.AskSaveTarget(opened.absolutePath(), opened.fileName());
    if (!target || !UsableOrWarn(*target, prompts) || !MayWrite(team, *target, prompts))
        return false;
    return SaveOrWarn(team, *target, prompts);
}

bool ConfirmDropShownTeam(ShownTeam& team, SavePrompts& prompts, bool offerCancel)
{
    if (!team.state.DataChanged)
        return true;
    switch (prompts.AskToSaveChanges(offerCancel)) {
    case SaveAnswer::Yes: return SaveOrWarn(team, team.state.SaveTarget, prompts);
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

} // namespace quindaro2
