#include "gui/app/GuardedApplication.h"
#include "gui/app/TMainForm.h"
#include "gui/dialogs/JapaneseFont.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    quindaro2::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUINDARO2"));
    QApplication::setFont(quindaro2::JapaneseFont(12));

    // Every text of the editor is Japanese; so are the file dialogs' buttons.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    quindaro2::TMainForm window;
    window.show();
    return QApplication::exec();
}
