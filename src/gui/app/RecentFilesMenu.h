#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace quindaro2 {

// The ROMs opened lately as numbered items of the File menu, between two
// separators above `before`; choosing one says which file.
class RecentFilesMenu : public QObject {
    Q_OBJECT

public:
    RecentFilesMenu(QMenu& menu, QAction* before, QObject* parent = nullptr);

    // Replaces the listed files, newest first.
    void show(const QStringList& paths);
    const QList<QAction*>& items() const { return items_; }

    // The item's text: "&1 game.nes", with the folder when two listed files
    // share a name.
    static QString ItemText(int number, const QString& path, const QStringList& paths);

Q_SIGNALS:
    void chosen(const QString& path);

private:
    QMenu& menu_;
    QAction* top_;
    QList<QAction*> items_;
};

} // namespace quindaro2
