#include "gui/app/EditorStartup.h"

int main(int argc, char* argv[])
{
    return quindaro2::RunEditor(argc, argv);
}
