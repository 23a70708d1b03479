#include "gui/app/UndoActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QUndoStack>

namespace quindaro2 {

namespace {

// The item names what it would undo: "元に戻す：実本塁打の変更(&U)". An "&"
// of that name is no access key.
QString ItemText(const QString& plain, const QString& naming, const QString& what)
{
    return what.isEmpty() ? plain : naming.arg(QString(what).replace(u'&', QStringLiteral("&&")));
}

QString UndoText(const QString& what)
{
    return ItemText(QCoreApplication::translate("UndoActions", "元に戻す(&U)"),
                    QCoreApplication::translate("UndoActions", "元に戻す：%1(&U)"), what);
}

QString RedoText(const QString& what)
{
    return ItemText(QCoreApplication::translate("UndoActions", "やり直し(&R)"),
                    QCoreApplication::translate("UndoActions", "やり直し：%1(&R)"), what);
}

} // namespace

UndoActions AddUndoActions(QMenu& menu, QUndoStack& stack)
{
    UndoActions actions;
    actions.undo = menu.addAction(UndoText(QString()));
    actions.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.redo = menu.addAction(RedoText(QString()));
    actions.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QObject::connect(actions.undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::connect(actions.redo, &QAction::triggered, &stack, &QUndoStack::redo);
    QObject::connect(&stack, &QUndoStack::canUndoChanged, actions.undo, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::canRedoChanged, actions.redo, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::undoTextChanged, actions.undo, [undo = actions.undo](const QString& what) {
        undo->setText(UndoText(what));
    });
    QObject::connect(&stack, &QUndoStack::redoTextChanged, actions.redo, [redo = actions.redo](const QString& what) {
        redo->setText(RedoText(what));
    });
    actions.undo->setEnabled(stack.canUndo());
    actions.redo->setEnabled(stack.canRedo());
    return actions;
}

} // namespace quindaro2
