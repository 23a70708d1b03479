// A bare Qt Widgets program whose window shows one line of Japanese in the
// toolkit's default font, gone after its first paint: what any window with
// words pays (the font database, a face with kana and kanji) and nothing of
// the editor's own. scripts/bench times the editor's start against it.
#include "FirstPaint.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("選手のデータ"), &window));
    window.resize(800, 560);
    window.show();
    new QuitAfterFirstPaint(window);
    return QApplication::exec();
}
