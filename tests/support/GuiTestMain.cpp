#include "gui/app/GuardedApplication.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// Widget tests need one application for the whole run: the editor's own, which
// shows an error that escapes an event handler instead of ending the program.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quindaro2::GuardedApplication application(argc, argv);
    // The editor's settings go to a temporary folder, never to the user's own.
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid())
        return 1;
    // So do the sample ROMs the editor makes in its data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(settingsFolder.path()));
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
        QSettings::setPath(format, QSettings::SystemScope, settingsFolder.path());
    }
    QApplication::setOrganizationName(QStringLiteral("quindaro2-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
