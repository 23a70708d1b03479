#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace quindaro2 {

// The program's release notes. Created once and shown again on every request,
// so the list keeps where the user scrolled to.
class THistoryForm : public QDialog {
    Q_OBJECT

public:
    struct Release {
        QString version;
        QString date;  // yyyy-mm-dd
        QStringList changes;
    };

    explicit THistoryForm(QWidget* parent = nullptr);

    // Every release, newest first, in the user's language.
    static QList<Release> Releases();

    // The lines of the list: the title, then per release a line with its
    // version and date and one line per change; an empty line between releases.
    static QStringList NoteLines(const QString& title, const QList<Release>& releases);

    // Nothing here can be cancelled: the frame's close button and Escape end it as OK.
    void reject() override;

private:
    QListWidget* ListBox1;
    QPushButton* OkButton;
};

} // namespace quindaro2
