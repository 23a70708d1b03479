#include "core/save/SaveCommands.h"

#include "core/file/FileIdentity.h"
#include "core/file/FileWriter.h"
#include "core/save/SaveDocument.h"

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

bool SaveOrWarn(RomDocument& document, const QString& target, SavePrompts& prompts)
{
    if (!UsableOrWarn(target, prompts))
        return false;
    const QString fileName = QFileInfo(document.path()).fileName();
    const SaveResult saved =
        SaveDocument(document, {target, std::nullopt, [&] { return prompts.AskOverwriteChangedTeam(fileName); }});
    if (!saved.error.isEmpty())
        prompts.Warn(Text::tr("%1 に保存できませんでした．\n%2").arg(QFileInfo(target).fileName(), saved.error));
    return saved.ok();
}

// One wrong click in the save dialog must not replace another ROM; the opened
// one is saved into without a question, as it always was.
bool MayWrite(const RomDocument& document, const QString& target, SavePrompts& prompts)
{
    if (!QFileInfo::exists(target) || SameFile(target, document.path()))
        return true;
    return prompts.AskReplaceFile(target);
}

} // namespace

bool SaveAskingForTarget(RomDocument& document, SavePrompts& prompts)
{
    const QFileInfo opened(document.path());
    const std::optional<QString> target = prompts.AskSaveTarget(opened.absolutePath(), opened.fileName());
    if (!target || !UsableOrWarn(*target, prompts) || !MayWrite(document, *target, prompts))
        return false;
    return SaveOrWarn(document, *target, prompts);
}

bool SaveIntoItsFile(RomDocument& document, SavePrompts& prompts)
{
    return SaveOrWarn(document, document.path(), prompts);
}

DropDecision AskToDropEdits(RomDocument& document, SavePrompts& prompts, bool offerCancel)
{
    if (!document.modified())
        return DropDecision::Saved;
    switch (prompts.AskToSaveChanges(offerCancel)) {
    case SaveAnswer::Yes: return SaveIntoItsFile(document, prompts) ? DropDecision::Saved : DropDecision::Keep;
    case SaveAnswer::No: return DropDecision::Drop;
    case SaveAnswer::Cancel: return DropDecision::Keep;
    }
    return DropDecision::Keep;
}

bool ConfirmDropShownTeam(RomDocument& document, SavePrompts& prompts, bool offerCancel)
{
    const DropDecision decision = AskToDropEdits(document, prompts, offerCancel);
    if (decision == DropDecision::Drop)
        document.revertToFile();
    return decision != DropDecision::Keep;
}

} // namespace quindaro2
