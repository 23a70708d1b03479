#include "cli/Command.h"

#include "cli/DemoRom.h"

namespace quindaro2::cli {

namespace {

class DemoCommand : public Command {
public:
    QString name() const override { return QStringLiteral("demo"); }

    QString summary() const override { return QStringLiteral("試用のための架空のROMイメージを作る"); }

    QString help() const override
    {
        return QStringLiteral("使い方: quindaro2-cli demo --edition E OUT\n"
                              "\n"
                              "試用のための架空のROMイメージ（0x40010 バイト）を OUT に作ります。全チームに\n"
                              "架空の名前と、編集ダイアログが受け付ける値が入っています。既にあるファイルは\n"
                              "上書きしません。\n"
                              "\n")
            + EditionHelp();
    }

    std::vector<QCommandLineOption> options() const override { return {EditionOption()}; }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<int> edition = RequireEdition(name(), arguments, io);
        if (!edition)
            return kExitUsage;
        if (arguments.positionals().size() != 1)
            return io.usageError(name(), QStringLiteral("OUT のファイル名が1つ必要です"));
        const QString& out = arguments.positionals()[0];
        const Status written = WriteDemoRom(out, *edition);
        if (!written)
            return io.fileError(written.reason());
        io.print(QStringLiteral("%1年版のサンプルROMを %2 に作りました").arg(*edition).arg(out));
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeDemoCommand()
{
    return std::make_unique<DemoCommand>();
}

} // namespace quindaro2::cli
