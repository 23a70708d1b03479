#include "gui/app/EditorCommandLine.h"
#include "gui/app/GuardedApplication.h"
#include "gui/app/TMainForm.h"
#include "gui/dialogs/JapaneseFont.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[])
{
    quindaro2::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUINDARO2"));
    // Where the settings are kept: ~/.config/quindaro2/QUINDARO2.conf.
    QApplication::setOrganizationName(QStringLiteral("quindaro2"));

    const quindaro2::EditorStart start = quindaro2::ParseEditorCommandLine(QApplication::arguments());
    if (start.help) {
        std::fputs(quindaro2::EditorUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!start.error.isEmpty()) {
        const QString text = QStringLiteral("quindaro2: %1\n%2").arg(start.error, quindaro2::EditorUsage());
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return 2;
    }

    QApplication::setFont(quindaro2::JapaneseFont(12));

    // Every text of the editor is Japanese; so are the file dialogs' buttons.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    quindaro2::TMainForm window;
    window.show();
    // The ROM opens once the window is up, so that its questions have a window to sit on.
    if (!start.rom.isEmpty())
        QTimer::singleShot(0, &window, [&] { window.OpenStartFile(start.rom, start.edition); });
    return QApplication::exec();
}
