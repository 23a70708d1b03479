#include "core/i18n/Translations.h"

#include <QLocale>
#include <QTranslator>

namespace quindaro2 {

bool UseEnglish()
{
    const QByteArray asked = qgetenv("QUINDARO2_LANG").toLower();
    if (asked.startsWith("en"))
        return true;
    if (asked.startsWith("ja"))
        return false;
    return QLocale::system().language() != QLocale::Japanese;
}

bool InstallTranslations(QCoreApplication& application, const QStringList& parts)
{
    if (!UseEnglish())
        return true;
    bool all = true;
    for (const QString& part : parts) {
        auto* translator = new QTranslator(&application);
        if (translator->load(QStringLiteral(":/i18n/quindaro2_%1_en.qm").arg(part)))
            QCoreApplication::installTranslator(translator);
        else
            all = false;
    }
    return all;
}

} // namespace quindaro2
