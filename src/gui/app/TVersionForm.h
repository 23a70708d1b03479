#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace quindaro2 {

// Asks which edition an opened ROM is; nothing in the file tells. The dialog
// is kept for the whole run, so it opens with the edition chosen last.
class TVersionForm : public QDialog {
    Q_OBJECT

public:
    explicit TVersionForm(QWidget* parent = nullptr);

    // Shows the dialog modally and returns the chosen year, 1986 to 1994.
    // Every way of closing it takes the selection: the open cannot be cancelled.
    // `preselect` replaces the edition chosen last; `note` is shown under the
    // choices (nothing when empty), and in a warning colour, saying so,
    // while another edition than `guess` is chosen.
    int ChooseEdition(std::optional<int> preselect = std::nullopt, const QString& note = QString(),
                      std::optional<int> guess = std::nullopt);
    // The same for a new sample: closing the dialog or Escape cancels it.
    std::optional<int> ChooseSampleEdition(const QString& note);

    QLabel* NoteLabel;

public Q_SLOTS:
    void reject() override;

private:
    void showNote();
    int chosen() const;

    QString note_;
    std::optional<int> guess_;
    bool cancellable_ = false;
    bool cancelled_ = false;
    QGroupBox* VersionBox;
    QButtonGroup* versionButtons;
    QPushButton* OkButton;
};

} // namespace quindaro2
