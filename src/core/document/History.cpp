#include "core/document/History.h"

namespace quindaro2 {

void History::record(Step step)
{
    steps_.resize(done_);
    if (saved_ && *saved_ > done_)
        saved_.reset();
    steps_.push_back(std::move(step));
    ++done_;
}

const Step* History::nextUndo() const
{
    return done_ > 0 ? &steps_[done_ - 1] : nullptr;
}

const Step* History::nextRedo() const
{
    return done_ < steps_.size() ? &steps_[done_] : nullptr;
}

void History::stepBack()
{
    if (done_ > 0)
        --done_;
}

void History::stepForward()
{
    if (done_ < steps_.size())
        ++done_;
}

void History::markSaved()
{
    saved_ = done_;
}

void History::clear()
{
    const bool wasSaved = atSaved();
    steps_.clear();
    done_ = 0;
    saved_ = wasSaved ? std::optional<std::size_t>(0) : std::nullopt;
}

} // namespace quindaro2
