#pragma once

#include "core/edit/Change.h"

#include <QUndoCommand>

#include <functional>

namespace quindaro2 {

// One accepted change of the shown team on the window's undo history. The
// window makes the change, forward or back, and brings its views up to date.
class ChangeCommand : public QUndoCommand {
public:
    enum class Direction { Apply, Revert };
    using Make = std::function<void(const Change&, Direction)>;

    ChangeCommand(Change change, const QString& text, Make make);

    void redo() override;
    void undo() override;

private:
    Change change_;
    Make make_;
};

} // namespace quindaro2
