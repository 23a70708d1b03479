#pragma once

class QAction;
class QMenu;
class QUndoStack;

namespace quindaro2 {

struct UndoActions {
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

// "元に戻す(&U)" (Ctrl+Z) and "やり直し(&R)" (Ctrl+Y, Ctrl+Shift+Z) in `menu`,
// each naming what it would undo or redo ("元に戻す：実本塁打の変更") and
// enabled only when there is something.
UndoActions AddUndoActions(QMenu& menu, QUndoStack& stack);

} // namespace quindaro2
