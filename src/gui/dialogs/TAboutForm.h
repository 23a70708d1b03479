#pragma once

#include <QDialog>

class QPushButton;

namespace quindaro2 {

// The about box: the program's name, who makes it and where to find it.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);

private:
    QPushButton* OkButton;
};

} // namespace quindaro2
