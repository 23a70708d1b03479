#pragma once

class QAction;
class QMenu;

namespace quindaro2 {

class EditorSession;

struct UndoActions {
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

// "元に戻す(&U)" (Ctrl+Z) and "やり直し(&R)" (Ctrl+Y, Ctrl+Shift+Z) in `menu`,
// each naming what it would undo or redo ("元に戻す：実本塁打の変更") and
// enabled only when there is something, as the session's history says.
UndoActions AddUndoActions(QMenu& menu, EditorSession& session);

} // namespace quindaro2
