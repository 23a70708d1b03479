#include "app/TMainForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUINDARO2"));
    QApplication::setApplicationDisplayName(QStringLiteral("QUINDARO2"));
    quindaro2::TMainForm window;
    window.show();
    return QApplication::exec();
}
