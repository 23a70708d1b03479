#include "gui/app/UndoActions.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace quindaro2 {

namespace {

// The access key goes last, as Japanese menus place it, so that the text
// reads "元に戻す：実本塁打の変更".
QString ItemText(const QString& verb, const QString& key, const QString& what)
{
    return what.isEmpty() ? QStringLiteral("%1(&%2)").arg(verb, key)
                          : QStringLiteral("%1：%2(&%3)").arg(verb, QString(what).replace(u'&', QStringLiteral("&&")), key);
}

} // namespace

UndoActions AddUndoActions(QMenu& menu, QUndoStack& stack)
{
    UndoActions actions;
    actions.undo = menu.addAction(ItemText(QStringLiteral("元に戻す"), QStringLiteral("U"), QString()));
    actions.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.redo = menu.addAction(ItemText(QStringLiteral("やり直し"), QStringLiteral("R"), QString()));
    actions.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QObject::connect(actions.undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::connect(actions.redo, &QAction::triggered, &stack, &QUndoStack::redo);
    QObject::connect(&stack, &QUndoStack::canUndoChanged, actions.undo, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::canRedoChanged, actions.redo, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::undoTextChanged, actions.undo, [undo = actions.undo](const QString& what) {
        undo->setText(ItemText(QStringLiteral("元に戻す"), QStringLiteral("U"), what));
    });
    QObject::connect(&stack, &QUndoStack::redoTextChanged, actions.redo, [redo = actions.redo](const QString& what) {
        redo->setText(ItemText(QStringLiteral("やり直し"), QStringLiteral("R"), what));
    });
    actions.undo->setEnabled(stack.canUndo());
    actions.redo->setEnabled(stack.canRedo());
    return actions;
}

} // namespace quindaro2
