#include "core/document/RomDocument.h"

#include "core/document/TeamAreas.h"
#include "core/edition/EditionProfile.h"

#include <QCoreApplication>

#include <algorithm>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RomDocument)
};

std::vector<int> TeamsOf(const Step& step)
{
    std::vector<int> teams;
    for (const Change& change : step.changes)
        teams.push_back(change.team);
    std::sort(teams.begin(), teams.end());
    teams.erase(std::unique(teams.begin(), teams.end()), teams.end());
    return teams;
}

std::vector<int> AllTeams(const EditionProfile& profile)
{
    std::vector<int> teams(static_cast<std::size_t>(profile.teamCount()));
    for (int team = 0; team < profile.teamCount(); ++team)
        teams[static_cast<std::size_t>(team)] = team;
    return teams;
}

} // namespace

RomDocument::RomDocument(QString path, const EditionProfile& profile, RomImage image, QObject* parent)
    : QObject(parent), path_(std::move(path)), profile_(profile), image_(image), fileImage_(std::move(image))
{
}

int RomDocument::edition() const
{
    return profile_.year;
}

Status RomDocument::apply(Step step)
{
    const bool wasModified = modified();
    if (const Status made = makeStep(step, true); !made)
        return made;
    history_.record(std::move(step));
    const Step& made = *history_.nextUndo();
    announce(TeamsOf(made), wasModified);
    Q_EMIT stepMade(made, true);
    return Status::Ok();
}

Status RomDocument::undo()
{
    const Step* step = history_.nextUndo();
    if (!step)
        return Status::Ok();
    const bool wasModified = modified();
    if (const Status made = makeStep(*step, false); !made)
        return made;
    history_.stepBack();
    announce(TeamsOf(*step), wasModified);
    Q_EMIT stepMade(*step, false);
    return Status::Ok();
}

Status RomDocument::redo()
{
    const Step* step = history_.nextRedo();
    if (!step)
        return Status::Ok();
    const bool wasModified = modified();
    if (const Status made = makeStep(*step, true); !made)
        return made;
    history_.stepForward();
    announce(TeamsOf(*step), wasModified);
    Q_EMIT stepMade(*step, true);
    return Status::Ok();
}

// Each change is checked on the bytes the ones before it leave; when one
// does not fit, those made are taken back, so the bytes change only as a
// whole step.
Status RomDocument::makeStep(const Step& step, bool forward)
{
    const std::size_t count = step.changes.size();
    const auto change = [&](std::size_t i) -> const Change& {
        return step.changes[forward ? i : count - 1 - i];
    };
    for (std::size_t i = 0; i < count; ++i) {
        if (!Fits(image_, change(i), forward)) {
            while (i-- > 0)
                Make(image_, change(i), !forward);
            return Status::Failed(Text::tr("「%1」はROMのデータと合わないため、何も変えていません").arg(step.name));
        }
        Make(image_, change(i), forward);
    }
    return Status::Ok();
}

void RomDocument::revertToFile()
{
    const std::vector<int> teams = changedTeams();
    const bool wasModified = modified();
    image_ = fileImage_;
    history_.clear();
    history_.markSaved();
    announce(teams, wasModified);
}

void RomDocument::forgetHistory()
{
    const bool wasModified = modified();
    history_.clear();
    announce({}, wasModified);
}

void RomDocument::markSaved(const QString& path, RomImage written)
{
    const bool wasModified = modified();
    path_ = path;
    // Another program may have changed other teams in the file meanwhile.
    const bool sameBytes = written == image_;
    image_ = written;
    fileImage_ = std::move(written);
    history_.markSaved();
    announce(sameBytes ? std::vector<int>() : AllTeams(profile_), wasModified);
}

std::vector<int> RomDocument::changedTeams() const
{
    std::vector<int> teams;
    for (int team = 0; team < profile_.teamCount(); ++team) {
        if (!DifferingRuns(profile_, fileImage_, image_, team).empty())
            teams.push_back(team);
    }
    return teams;
}

void RomDocument::announce(const std::vector<int>& teams, bool wasModified)
{
    if (!teams.empty())
        Q_EMIT teamsChanged(teams);
    Q_EMIT historyChanged();
    if (modified() != wasModified)
        Q_EMIT modifiedChanged(modified());
}

} // namespace quindaro2
