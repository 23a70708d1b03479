#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace quindaro2 {

// Picks one text from a short list for a player.
class TListForm : public QDialog {
    Q_OBJECT

public:
    explicit TListForm(QWidget* parent = nullptr);

    // The chosen text; none after Cancel. OK with nothing chosen keeps the
    // dialog open. The list opens on `current`, chosen and in view; on its
    // first entry, with nothing chosen, when `current` is none of the choices.
    std::optional<QString> ChooseItem(const QString& caption, const QString& label, const QStringList& choices,
                                      const QString& current = QString());

    QLabel* Label = nullptr;
    QListWidget* ListBox = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowEveryChoice();
    void OKButtonClick();
    bool HasChoice() const;
    void StepChoice(int step);
};

} // namespace quindaro2
