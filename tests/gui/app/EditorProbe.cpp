// The editor, short-lived: it starts as the editor does, prints the caption
// of its window once the command line's ROM is open, and ends. The tests run
// it where a script would run the editor.
#include "gui/app/EditorStartup.h"
#include "gui/app/TMainForm.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    return quindaro2::RunEditor(argc, argv, [](quindaro2::TMainForm& window) {
        std::fputs((window.windowTitle() + u'\n').toUtf8().constData(), stdout);
        QApplication::quit();
    });
}
