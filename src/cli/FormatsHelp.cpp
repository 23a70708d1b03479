#include "cli/FormatsHelp.h"

#include "core/detect/EditionDetection.h"

#include <QCoreApplication>

namespace quindaro2::cli {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FormatsHelp)
};

// What the tool writes for the example, in every language, as one line;
// here wrapped.
const QString kExample = QStringLiteral(
    "    {\"declaredSize\":null,\"edition\":null,\"margin\":0,\n"
    "     \"reasons\":[\"noNesMark\",\"lowScore\",\"tooClose\"],\n"
    "     \"scores\":[{\"edition\":1986,\"score\":0},{\"edition\":1987,\"score\":0},\n"
    "               {\"edition\":1988,\"score\":0},{\"edition\":1989,\"score\":0},\n"
    "               {\"edition\":1990,\"score\":0},{\"edition\":1991,\"score\":0},\n"
    "               {\"edition\":1992,\"score\":0},{\"edition\":1993,\"score\":0},\n"
    "               {\"edition\":1994,\"score\":0}],\n"
    "     \"size\":1000}\n");

} // namespace

QString FormatsHelp()
{
    return Text::tr(
               "使い方: quindaro2-cli help formats\n"
               "\n"
               "show、detect、import --dry-run、patch apply --dry-run は、--format json で JSON を、\n"
               "--format csv で CSV（UTF-8、コンマ区切り、LF で改行、最初の行は列の名前）を標準出力に\n"
               "書きます。メッセージは標準エラーに出ます。キー、列の名前、値のうちの語は英語で、\n"
               "どの言語でも同じです。名前などのテキストはゲームのもので、表のとおりです。数値の列の\n"
               "セルは数です。バイトは小文字の16進数（1バイト2桁）です。ないものは null です。\n"
               "a.b[].c はオブジェクト a の配列 b の各要素のキー c、GRID は batter、pitcher、\n"
               "manager（監督のいる版だけ）のどれかです。league と diff の JSON のキーと CSV の列は、\n"
               "それぞれの --help にあります。\n"
               "\n"
               "show --format json: 1チーム\n"
               "  edition                            版の年\n"
               "  team.index                         チームの番号（0 から）\n"
               "  team.code                          チームコード\n"
               "  team.colors.helmet                 帽子の色コード（0～63）\n"
               "  team.colors.uniform                ユニフォームの色コード\n"
               "  team.figures.battingAverage        平均打率（表示のとおりのテキスト）\n"
               "  team.figures.homeRuns              総本塁打（テキスト）\n"
               "  team.figures.running               平均走力（テキスト）\n"
               "  team.figures.earnedRunAverage      平均防御率（テキスト）\n"
               "  team.grids.GRID.recordSize         1人のレコードのバイト数\n"
               "  team.grids.GRID.columns[].heading  列の見出し\n"
               "  team.grids.GRID.columns[].field    列の中身を表す語（下の一覧）\n"
               "  team.grids.GRID.rows[].row         行の番号（1 から。set の --row）\n"
               "  team.grids.GRID.rows[].cells[]     列の順のセル\n"
               "  team.grids.GRID.rows[].bytes       ROM に記録されているとおりのレコード\n"
               "show --format csv: 1セル1行\n"
               "    team,code,grid,row,column,field,heading,text,bytes\n"
               "field の語: name、battingSide、pitchingForm、battingAverage、homeRuns、shownAverage、\n"
               "shownHomeRuns、running、position、fielding、arm、earnedRunAverage、fastSpeed、\n"
               "averageSpeed、slowSpeed、stamina、rightBreak、leftBreak、fork、popularity、type、\n"
               "uniformNumber、uniform\n"
               "\n"
               "detect --format json: 版の推定\n"
               "  edition                            推定した版の年。推定できないときは null\n"
               "  margin                             1位と2位の点数の差\n"
               "  scores[].edition                   版の年（点数の高い順）\n"
               "  scores[].score                     その版の点数（0～100）\n"
               "  reasons[]                          推定できない理由（推定できたときは空）: noNesMark\n"
               "                                     （NES の印がない）、cutFile（ヘッダーの示す大きさ\n"
               "                                     より短い）、lowScore（最高点が %1 未満）、tooClose\n"
               "                                     （2位との差が %2 未満）\n"
               "  size                               ファイルのバイト数\n"
               "  declaredSize                       ヘッダーの示す大きさ。示していなければ null\n"
               "detect --format csv: 点数の高い順\n"
               "    edition,score\n"
               "\n"
               "import --dry-run --format json: 取り込みで変わるセル\n"
               "  edition                            版の年\n"
               "  accepted                           すべてのセルを受け付けたなら true\n"
               "  teams[]                            テキストにあるチームの番号\n"
               "  changes[].team                     チームの番号\n"
               "  changes[].code                     チームコード\n"
               "  changes[].grid                     batter か pitcher\n"
               "  changes[].row                      行の番号（1 から）\n"
               "  changes[].player                   取り込んだ後の名前\n"
               "  changes[].field                    列の中身を表す語\n"
               "  changes[].heading                  列の見出し\n"
               "  changes[].before                   前の値（出力のとおり）\n"
               "  changes[].after                    後の値\n"
               "  changes[].bytesBefore              前のレコード\n"
               "  changes[].bytesAfter               後のレコード\n"
               "  problems[].file                    受け付けられなかったファイル（理由は標準エラーに\n"
               "                                     出ます）\n"
               "  problems[].line                    その行（1 から。ファイル全体なら 0）\n"
               "  problems[].heading                 その列の見出し（行やファイル全体なら空）\n"
               "  problems[].text                    そこにあるテキスト\n"
               "import --dry-run --format csv: 1セル1行\n"
               "    team,code,grid,row,player,field,heading,before,after\n"
               "\n"
               "patch apply --dry-run --format json: パッチで変わるバイト\n"
               "  kind                               ips か bps。どちらでもなければ null\n"
               "  fits                               この ROM に当てられるなら true\n"
               "  verified                           ROM と結果をチェックサムで確かめたなら true\n"
               "  rom.size                           ROM のバイト数\n"
               "  rom.crc32                          ROM の CRC32（16進数8桁）\n"
               "  result.size                        当てた結果のバイト数（当てられないときは\n"
               "                                     result が null）\n"
               "  result.crc32                       結果の CRC32\n"
               "  changes[].offset                   変わる範囲の位置（ファイルの先頭から数え、\n"
               "                                     ヘッダーを含む）\n"
               "  changes[].length                   その範囲のバイト数\n"
               "  changes[].before                   ROM のバイト（ROM が途中で終わればその分短い）\n"
               "  changes[].after                    結果のバイト（結果が途中で終わればその分短い）\n"
               "patch apply --dry-run --format csv: 変わる範囲ごとに1行\n"
               "    offset,length,before,after\n"
               "\n"
               "例: 0 が 1000 バイト並ぶだけのファイル zeros.bin の推定\n"
               "    $ quindaro2-cli detect --format json zeros.bin\n")
               .arg(kLeastScore, 0, 'f', 1)
               .arg(kClearMargin, 0, 'f', 1)
        + kExample;
}

} // namespace quindaro2::cli
