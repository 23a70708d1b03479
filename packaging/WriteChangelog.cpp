// Writes the Debian changelog of the package from the release notes the
// history window shows, in English.
//
//   quindaro2_write_changelog PACKAGE REVISION MAINTAINER OUT

#include "core/i18n/Translations.h"
#include "gui/dialogs/DebianChangelog.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QUINDARO2_LANG", "en");
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fputs("usage: quindaro2_write_changelog PACKAGE REVISION MAINTAINER OUT\n", stderr);
        return 2;
    }
    if (!quindaro2::InstallTranslations(application, {QStringLiteral("gui")})) {
        std::fputs("quindaro2_write_changelog: the English release notes are missing\n", stderr);
        return 1;
    }
    const QString text = quindaro2::DebianChangelog(quindaro2::THistoryForm::Releases(),
                                                    {arguments[1], arguments[2], arguments[3]});
    QSaveFile out(arguments[4]);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit()) {
        std::fprintf(stderr, "quindaro2_write_changelog: %s: %s\n", qPrintable(arguments[4]), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
