#include "gui/app/ChangeCommand.h"

#include <utility>

namespace quindaro2 {

ChangeCommand::ChangeCommand(Change change, const QString& text, Make make)
    : QUndoCommand(text), change_(std::move(change)), make_(std::move(make))
{
}

void ChangeCommand::redo()
{
    make_(change_, Direction::Apply);
}

void ChangeCommand::undo()
{
    make_(change_, Direction::Revert);
}

} // namespace quindaro2
