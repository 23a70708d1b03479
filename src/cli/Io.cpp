#include "cli/Io.h"

#include <QCoreApplication>
#include <QIODevice>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Io)
};

const QString kProgram = QStringLiteral("quindaro2-cli");

bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString TerminalSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (IsControl(c.unicode()))
            safe += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

void Io::print(const QString& line)
{
    out_ << TerminalSafe(line) << '\n';
}

void Io::printText(const QString& text)
{
    out_ << text;
}

void Io::complain(const QString& line)
{
    err_ << kProgram << ": " << TerminalSafe(line) << '\n';
}

void Io::note(const QString& line)
{
    err_ << TerminalSafe(line) << '\n';
}

bool Io::writeOutput(const QByteArray& bytes)
{
    out_.flush();
    QIODevice* device = out_.device();
    return device && device->write(bytes) == bytes.size();
}

int Io::fileError(const QString& message)
{
    complain(message);
    return kExitFileError;
}

int Io::refused(const QString& message)
{
    complain(message);
    note(Text::tr("何も書き込んでいません"));
    return kExitUsage;
}

int Io::usageError(const QString& command, const QString& message)
{
    complain(message);
    note(Text::tr("使い方は '%1 %2--help' で表示します")
             .arg(kProgram, command.isEmpty() ? QString() : command + u' '));
    return kExitUsage;
}

} // namespace quindaro2::cli
