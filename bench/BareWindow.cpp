// A bare Qt Widgets program: a main window shown and gone after its first
// paint. scripts/bench times the editor's start against it.
#include "FirstPaint.h"

#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(800, 560);
    window.show();
    new QuitAfterFirstPaint(window);
    return QApplication::exec();
}
