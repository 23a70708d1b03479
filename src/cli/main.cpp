#include "cli/Cli.h"
#include "core/i18n/Translations.h"
#include "cli/Io.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// An argument whose bytes are no valid text in the system's encoding would
// reach the tool changed (invalid bytes become U+FFFD), and a file of another
// name would be read or written in its place.
int RefuseUndecodableArgument(int argc, char* argv[], QTextStream& err)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QFile::encodeName(QFile::decodeName(raw)) == raw)
            continue;
        QString shown;
        for (const char c : raw)
            shown += static_cast<unsigned char>(c) < 0x80 ? QString(QChar::fromLatin1(c))
                                                           : QStringLiteral("\\x%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
        err << "quindaro2-cli: " << quindaro2::cli::UndecodableArgumentMessage(quindaro2::cli::TerminalSafe(shown)) << '\n';
        return quindaro2::cli::kExitUsage;
    }
    return quindaro2::cli::kExitOk;
}

} // namespace

int main(int argc, char* argv[])
{
    quindaro2::cli::QuietQtMessages();
    QCoreApplication application(argc, argv);
    quindaro2::InstallTranslations(application, {QStringLiteral("core"), QStringLiteral("cli")});
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    int code = RefuseUndecodableArgument(argc, argv, err);
    if (code == quindaro2::cli::kExitOk)
        code = quindaro2::cli::RunCli(QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        const QString reason = out.device() && !out.device()->errorString().isEmpty()
            ? out.device()->errorString()
            : QString::fromLocal8Bit(std::strerror(error));
        err << "quindaro2-cli: " << quindaro2::cli::StandardOutputFailure(reason) << '\n';
        code = code == quindaro2::cli::kExitOk ? quindaro2::cli::kExitFileError : code;
    }
    err.flush();
    return code;
}
