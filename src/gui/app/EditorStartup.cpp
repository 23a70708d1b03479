#include "gui/app/EditorStartup.h"

#include "core/i18n/Translations.h"
#include "core/sample/SampleFolder.h"
#include "gui/app/DeferredIconStyle.h"
#include "gui/app/EditorCommandLine.h"
#include "gui/app/EditorSettings.h"
#include "gui/app/GuardedApplication.h"
#include "gui/app/TMainForm.h"
#include "gui/dialogs/JapaneseFont.h"

#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace quindaro2 {

int RunEditor(int argc, char* argv[], const std::function<void(TMainForm&)>& started)
{
    GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUINDARO2"));
    // Where the settings are kept: ~/.config/quindaro2/QUINDARO2.conf.
    QApplication::setOrganizationName(QStringLiteral("quindaro2"));

    // The editor speaks Japanese, its source language, or English; the file
    // dialogs' buttons follow, and so does the help of the command line.
    InstallTranslations(application, {QStringLiteral("core"), QStringLiteral("gui")});
    QTranslator toolkitTexts;
    if (!UseEnglish()
        && toolkitTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    const EditorStart start = ParseEditorCommandLine(QApplication::arguments());
    if (start.help) {
        std::fputs(EditorHelp().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!start.error.isEmpty()) {
        const QString text = QStringLiteral("quindaro2: %1\n%2").arg(start.error, EditorUsage());
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return 2;
    }

    QApplication::setFont(JapaneseFont(12));
    QApplication::setStyle(new DeferredIconStyle);

    TMainForm window;
    window.show();
    // The ROM opens once the window is up, so that its questions have a window to sit on.
    // Old samples go first, still before anything can be opened, but after the first paint.
    QTimer::singleShot(0, &window, [&] {
        RemoveOldSamples(EditorSettings::samplesFolder(), QDateTime::currentDateTime());
        if (!start.rom.isEmpty())
            window.OpenStartFile(start.rom, start.edition);
        if (started)
            started(window);
    });
    return QApplication::exec();
}

} // namespace quindaro2
