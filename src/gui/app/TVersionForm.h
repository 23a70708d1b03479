#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
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
    int ChooseEdition();

private:
    QGroupBox* VersionBox;
    QButtonGroup* versionButtons;
    QPushButton* OkButton;
};

} // namespace quindaro2
