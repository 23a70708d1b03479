#include "core/session/EmulatorTry.h"

#include "core/document/RomDocument.h"
#include "core/file/FileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EmulatorTry)
};

// Blanks separate arguments; double quotes keep blanks inside one.
Result<QStringList> SplitArguments(const QString& line)
{
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool started = false;
    for (const QChar c : line) {
        if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (c.isSpace() && !quoted) {
            if (started)
                arguments << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (quoted)
        return Result<QStringList>::Failed(Text::tr("引数の引用符 \" が閉じていません：%1").arg(line));
    if (started)
        arguments << current;
    return arguments;
}

} // namespace

Result<EmulatorCommand> EmulatorCommandFor(const QString& program, const QString& arguments, const QString& file)
{
    if (program.trimmed().isEmpty())
        return Result<EmulatorCommand>::Failed(Text::tr("エミュレータのプログラムが設定されていません"));
    const Result<QStringList> split = SplitArguments(arguments);
    if (!split)
        return Result<EmulatorCommand>::Failed(split.reason());
    EmulatorCommand command{program.trimmed(), {}};
    bool named = false;
    for (QString argument : split.value()) {
        named = named || argument.contains(QStringLiteral("%f"));
        command.arguments << argument.replace(QStringLiteral("%f"), file);
    }
    if (!named)
        command.arguments << file;
    return command;
}

EmulatorTries::EmulatorTries()
{
    folder_.setAutoRemove(true);
}

Status EmulatorTries::tryDocument(const RomDocument& document, const QString& program, const QString& arguments)
{
    if (!folder_.isValid())
        return Status::Failed(Text::tr("試し用のフォルダを作れません：%1").arg(folder_.errorString()));
    // Each try its own file, so that an emulator still running keeps the one it read.
    const QString copy = QDir(folder_.path())
                             .filePath(QStringLiteral("try-%1-%2").arg(copies_ + 1).arg(QFileInfo(document.path()).fileName()));
    const Result<EmulatorCommand> command = EmulatorCommandFor(program, arguments, copy);
    if (!command)
        return Status::Failed(command.reason());
    if (const Status written = WriteNewFile(copy, document.image().bytes()); !written)
        return Status::Failed(Text::tr("試し用のコピーを書き込めません：%1").arg(written.reason()));
    ++copies_;
    QProcess process;
    process.setProgram(command->program);
    process.setArguments(command->arguments);
    if (!process.startDetached())
        return Status::Failed(Text::tr("エミュレータ %1 を起動できません：%2").arg(command->program, process.errorString()));
    return Status::Ok();
}

} // namespace quindaro2
