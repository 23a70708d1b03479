#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quindaro2 {

// Asks where the player data export goes and whether all teams share one file.
// Kept for the whole run: the chosen file and the file option stay from one
// export to the next, and the name field always shows the file that OK
// writes, chosen with "..." or typed. OK without a file says so and keeps
// the dialog open.
class TOutputForm : public QDialog {
    Q_OBJECT

public:
    // Asks for the file to write; an empty answer means the user cancelled.
    using FileQuestion = std::function<QString(QWidget* parent, const QString& startPath)>;

    explicit TOutputForm(QWidget* parent = nullptr);

    // Shows the chosen file in the name field and the dialog modally; true
    // for OK, which needs a chosen file.
    bool Execute();

    // Starts from choices kept from an earlier run.
    void Remember(const QString& fileName, int outputOptionIndex);

    // The file chosen with the "..." button or typed, full path once OK was
    // pressed; empty when none was ever chosen.
    QString ChosenFileName() const;

    // 0: one file for all teams; 1: one file per team.
    int OutputOptionIndex() const;

    // The save-file question of the "..." button: comma-separated text or any
    // file, no suffix added, no overwrite question. Tests put a scripted one here.
    FileQuestion askFileName;

public Q_SLOTS:
    void FileButtonClick();
    void OpenButtonClick();

private:
    QLabel* Label1;
    QLineEdit* FileEdit;
    QPushButton* FileButton;
    QPushButton* OpenButton;
    QPushButton* CancelButton;
    QGroupBox* OutputOption;
    QButtonGroup* outputButtons;
    QString chosenFileName;
};

} // namespace quindaro2
