#include "cli/Command.h"

#include "core/sample/DemoRom.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DemoCommand)
};

class DemoCommand : public Command {
public:
    QString name() const override { return QStringLiteral("demo"); }

    QString summary() const override { return Text::tr("試用のための架空のROMイメージを作る"); }

    QString help() const override
    {
        return Text::tr("使い方: quindaro2-cli demo --edition E [--random SEED] [--trainer] OUT\n"
                        "\n"
                        "試用のための架空のROMイメージ（0x40010 バイト）を OUT に作ります。全チームに\n"
                        "架空の名前と、編集ダイアログが受け付ける値が入っています。既にあるファイルは\n"
                        "上書きしません。\n"
                        "\n")
            + EditionHelp()
            + Text::tr("  --random SEED 選手とチームの色のほかのバイトを、本物の ROM のプログラムの\n"
                       "                代わりに乱数で埋めます。乱数と架空の選手は SEED（0 以上の\n"
                       "                整数）で決まります。省略するとほかのバイトは 0 です\n"
                       "  --trainer     ヘッダーにトレーナーの印を付け、512 バイトのトレーナーを\n"
                       "                入れます（ファイルは 0x40210 バイト）\n");
    }

    std::vector<QCommandLineOption> options() const override
    {
        return {EditionOption(), QCommandLineOption(QStringLiteral("random"), QString(), QStringLiteral("SEED")),
                QCommandLineOption(QStringLiteral("trainer"))};
    }

    int run(const Arguments& arguments, Io& io) const override
    {
        const std::optional<int> edition = RequireEdition(name(), arguments, io);
        if (!edition)
            return kExitUsage;
        if (arguments.positionals().size() != 1)
            return io.usageError(name(), Text::tr("OUT のファイル名が1つ必要です"));
        DemoFill fill;
        if (arguments.isSet(QStringLiteral("--random"))) {
            const std::optional<int> seed = ParseIndex(arguments.value(QStringLiteral("--random")));
            if (!seed)
                return io.usageError(name(), Text::tr("SEED は 0 以上の整数で指定してください：%1")
                                                 .arg(arguments.value(QStringLiteral("--random"))));
            fill.seed = static_cast<std::uint32_t>(*seed);
            fill.randomFiller = true;
        }
        fill.trainer = arguments.isSet(QStringLiteral("--trainer"));
        const QString& out = arguments.positionals()[0];
        const Status written = WriteDemoRom(out, *edition, fill);
        if (!written)
            return io.fileError(written.reason());
        io.note(Text::tr("%1年版のサンプルROMを %2 に作りました").arg(*edition).arg(out));
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeDemoCommand()
{
    return std::make_unique<DemoCommand>();
}

} // namespace quindaro2::cli
