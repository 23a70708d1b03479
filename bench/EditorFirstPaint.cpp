// The editor as it starts, gone after its window's first paint.
#include "FirstPaint.h"
#include "gui/app/EditorStartup.h"
#include "gui/app/TMainForm.h"

int main(int argc, char* argv[])
{
    return quindaro2::RunEditor(argc, argv, [](quindaro2::TMainForm& window) { new QuitAfterFirstPaint(window); });
}
