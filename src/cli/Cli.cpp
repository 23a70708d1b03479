#include "cli/Cli.h"

#include "cli/Command.h"
#include "cli/FormatsHelp.h"
#include "core/edition/Edition.h"

#include <QCoreApplication>

#include <cstdio>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

} // namespace

QString UsageText()
{
    QString commands;
    for (const std::unique_ptr<Command>& command : Commands())
        commands += QStringLiteral("  %1  %2\n").arg(command->name(), -6).arg(command->summary());
    return Text::tr("使い方: quindaro2-cli <コマンド> [オプション] [引数]\n"
                    "\n"
                    "コマンド:\n"
                    "%1"
                    "\n"
                    "'quindaro2-cli <コマンド> --help' でコマンドの使い方を、'quindaro2-cli help formats'\n"
                    "で --format json と csv の形を表示します。\n"
                    "版 E は %2 または %3（ROM を読むコマンドでは auto で ROM から推定）。\n"
                    "チーム T は 0 から数える番号か、その版で一つしかないチームコード（G、Bu など）。\n"
                    "終了コード: 0 成功、1 ファイルを読み書きできない、2 使い方の誤りまたは受け付けられない値、\n"
                    "3 diff で違いがある\n")
        .arg(commands, ShortEditionSpan(), EditionSpan());
}

QString CommandHelp(const QString& name)
{
    if (name == QStringLiteral("formats"))
        return FormatsHelp();
    const Command* command = FindCommand(name);
    return command ? command->help() : QString();
}

QString UndecodableArgumentMessage(const QString& shown)
{
    return Text::tr("%1 は文字として読めないバイトを含んでいます（UTF-8 ではない名前）。"
                    "別の名前のファイルを使わないよう、何もしません")
        .arg(shown);
}

QString StandardOutputFailure(const QString& reason)
{
    return Text::tr("標準出力に書き込めません（%1）").arg(reason);
}

void QuietQtMessages()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "quindaro2-cli: %s\n", TerminalSafe(message).toLocal8Bit().constData());
    });
}

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Io io(out, err);
    if (arguments.isEmpty()) {
        err << UsageText();
        return kExitUsage;
    }
    const QString& name = arguments[0];
    const QStringList rest = arguments.mid(1);
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h") || name == QStringLiteral("help")) {
        const QString help = rest.isEmpty() ? QString() : CommandHelp(rest[0]);
        io.printText(help.isEmpty() ? UsageText() : help);
        return kExitOk;
    }
    const Command* command = FindCommand(name);
    if (!command) {
        io.complain(Text::tr("不明なコマンドです：%1").arg(name));
        err << '\n' << UsageText();
        return kExitUsage;
    }
    const Arguments parsed = Arguments::Parse(rest, command->options());
    if (parsed.help()) {
        io.printText(command->help());
        return kExitOk;
    }
    if (!parsed.error().isEmpty())
        return io.usageError(name, parsed.error());
    return command->run(parsed, io);
}

} // namespace quindaro2::cli
