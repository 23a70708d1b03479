#include "gui/app/GuardedApplication.h"

#include <gtest/gtest.h>

// Widget tests need one application for the whole run: the editor's own, which
// shows an error that escapes an event handler instead of ending the program.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quindaro2::GuardedApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
