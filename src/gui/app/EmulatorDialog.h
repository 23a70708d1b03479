#pragma once

#include <QDialog>

class QLineEdit;

namespace quindaro2 {

// The emulator a try starts, set once and kept in the settings: a program
// and its arguments, %f for the file.
class EmulatorDialog : public QDialog {
    Q_OBJECT

public:
    explicit EmulatorDialog(QWidget* parent = nullptr);

    // The saved program and arguments; an empty program until one is set.
    static QString savedProgram();
    static QString savedArguments();
    // Shows the dialog on the saved command and keeps what OK confirms.
    bool edit();

    QLineEdit* Program = nullptr;
    QLineEdit* Arguments = nullptr;
};

} // namespace quindaro2
