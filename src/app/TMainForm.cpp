#include "app/TMainForm.h"

namespace quindaro2 {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("QUINDARO2"));
}

} // namespace quindaro2
