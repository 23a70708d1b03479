#include "gui/app/EditorCommandLine.h"

#include "core/edition/Edition.h"
#include "core/edition/EditionName.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace quindaro2 {

namespace {

// The command line's texts, translated under one context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EditorCommandLine)
};

EditorStart Refused(const QString& reason)
{
    EditorStart start;
    start.error = reason;
    return start;
}

} // namespace

EditorStart ParseEditorCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption edition(QStringLiteral("edition"), QString(), QStringLiteral("E"));
    parser.addOption(help);
    parser.addOption(edition);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return Refused(Texts::tr("--edition には版が必要です"));
        return Refused(Texts::tr("不明なオプションです：%1%2")
                           .arg(unknown.first().size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), unknown.first()));
    }

    EditorStart start;
    if (parser.isSet(help)) {
        start.help = true;
        return start;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Refused(Texts::tr("開けるROMファイルは一つです：%1").arg(files.join(QStringLiteral(" "))));
    if (parser.values(edition).size() > 1)
        return Refused(Texts::tr("--edition が2回あります"));
    if (parser.isSet(edition)) {
        const QString text = parser.value(edition);
        start.edition = ParseEdition(text);
        if (!start.edition)
            return Refused(EditionRefusal(text));
        if (files.isEmpty())
            return Refused(Texts::tr("--edition はROMファイルといっしょに指定してください"));
    }
    if (!files.isEmpty())
        start.rom = QFileInfo(files.first()).absoluteFilePath();
    return start;
}

QString EditorUsage()
{
    return Texts::tr("使い方: quindaro2 [ROM] [--edition E]\n"
                     "  ROM           始めに開くROMファイル\n"
                     "  --edition E   その版（%1 または %2）。ないときは版を尋ねます\n"
                     "  -h, --help    この説明\n")
        .arg(ShortEditionSpan(), EditionSpan());
}

QString EditorHelp()
{
    return EditorUsage()
        + Texts::tr("\n"
                    "野球ゲームの NES ROM イメージの選手データを編集します。ROM を開いて版を選び、\n"
                    "チームを選んで、バッター・ピッチャー・監督・チームの色を変え、ROM そのものか\n"
                    "そのコピーに保存します。全チームの選手データをコンマ区切りのテキストに出力し、\n"
                    "表計算ソフトで直したものを取り込めます。スクリプトからは quindaro2-cli を使います。\n"
                    "\n"
                    "ファイル:\n"
                    "  ~/.config/quindaro2/QUINDARO2.conf\n"
                    "                最近開いた ROM とその版、最後のフォルダー、ウィンドウの大きさと\n"
                    "                位置、出力の選択（XDG_CONFIG_HOME があればその下）\n"
                    "  ~/.local/share/quindaro2/QUINDARO2/samples\n"
                    "                「サンプルROMを開く」で作るサンプルROM。30日書き込まれなかったものは\n"
                    "                起動のときに消します（XDG_DATA_HOME があればその下）\n"
                    "\n"
                    "環境変数:\n"
                    "  QUINDARO2_LANG  en なら英語、ja なら日本語で表示します。ないときは、システムの\n"
                    "                言語が日本語なら日本語、ほかは英語です\n");
}

} // namespace quindaro2
