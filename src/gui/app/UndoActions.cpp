#include "gui/app/UndoActions.h"

#include "core/session/EditorSession.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

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

UndoActions AddUndoActions(QMenu& menu, EditorSession& session)
{
    UndoActions actions;
    actions.undo = menu.addAction(UndoText(QString()));
    actions.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.redo = menu.addAction(RedoText(QString()));
    actions.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QObject::connect(actions.undo, &QAction::triggered, &session, &EditorSession::Undo);
    QObject::connect(actions.redo, &QAction::triggered, &session, &EditorSession::Redo);
    const auto show = [&session, actions] {
        const RomDocument* document = session.document();
        const Step* undo = document ? document->history().nextUndo() : nullptr;
        const Step* redo = document ? document->history().nextRedo() : nullptr;
        actions.undo->setText(UndoText(undo ? undo->name : QString()));
        actions.redo->setText(RedoText(redo ? redo->name : QString()));
        actions.undo->setEnabled(undo != nullptr);
        actions.redo->setEnabled(redo != nullptr);
    };
    QObject::connect(&session, &EditorSession::historyChanged, actions.undo, show);
    show();
    return actions;
}

} // namespace quindaro2
