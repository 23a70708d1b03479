#pragma once

#include "core/document/Change.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace quindaro2 {

// What the user did at once (one edit, an import), as the changes it made in
// order; undone and redone as one.
struct Step {
    QString name;
    std::vector<Change> changes;
};

// The steps made on a document, newest last, with those undone kept for a
// redo until a new step is made, and the point at which the file held the
// bytes. The document makes the bytes; the history only keeps the steps.
class History {
public:
    // Records a step that was just made; the steps undone are dropped.
    void record(Step step);

    const Step* nextUndo() const;  // none when there is nothing to undo
    const Step* nextRedo() const;
    // Moves past the step that nextUndo or nextRedo named, once it is made.
    void stepBack();
    void stepForward();

    // The file holds the bytes as they are after the steps done so far.
    void markSaved();
    // The file holds the bytes as they are now: no step undone or redone since
    // the saved point, and the saved point not dropped with a redo tail.
    bool atSaved() const { return saved_ == done_; }

    // Forgets every step; the bytes as they are become the saved point when
    // they were, and otherwise there is none.
    void clear();

private:
    std::vector<Step> steps_;
    std::size_t done_ = 0;
    std::optional<std::size_t> saved_ = 0;
};

} // namespace quindaro2
