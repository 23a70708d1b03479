#include "gui/app/RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace quindaro2 {

RecentFilesMenu::RecentFilesMenu(QMenu& menu, QAction* before, QObject* parent)
    : QObject(parent), menu_(menu), top_(menu.insertSeparator(before))
{
    menu.insertSeparator(before);
    menu.setToolTipsVisible(true);
    top_->setVisible(false);
}

void RecentFilesMenu::show(const QStringList& paths)
{
    qDeleteAll(items_);
    items_.clear();
    QAction* after = top_;
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        auto* item = new QAction(ItemText(i + 1, path, paths), &menu_);
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setStatusTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { Q_EMIT chosen(path); });
        // Each item goes right after the previous one, below the top separator.
        const QList<QAction*> actions = menu_.actions();
        const qsizetype next = actions.indexOf(after) + 1;
        menu_.insertAction(next < actions.size() ? actions[next] : nullptr, item);
        items_ << item;
        after = item;
    }
    top_->setVisible(!paths.isEmpty());
}

QString RecentFilesMenu::ItemText(int number, const QString& path, const QStringList& paths)
{
    const QFileInfo file(path);
    const qsizetype sameName = std::count_if(paths.begin(), paths.end(), [&](const QString& other) {
        return QFileInfo(other).fileName() == file.fileName();
    });
    QString text = sameName > 1 ? tr("%1（%2）").arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()))
                                : file.fileName();
    // An "&" of a file name is no access key.
    text.replace(u'&', QStringLiteral("&&"));
    // The number is the access key.
    return QStringLiteral("&%1 %2").arg(number).arg(text);
}

} // namespace quindaro2
