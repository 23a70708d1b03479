<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Cli</name>
    <message>
        <location filename="../src/cli/Cli.cpp" line="26"/>
        <source>使い方: quindaro2-cli &lt;コマンド&gt; [オプション] [引数]

コマンド:
%1
&apos;quindaro2-cli &lt;コマンド&gt; --help&apos; でコマンドの使い方を、&apos;quindaro2-cli help formats&apos;
で --format json と csv の形を表示します。
版 E は %2 または %3（ROM を読むコマンドでは auto で ROM から推定）。
チーム T は 0 から数える番号か、その版で一つしかないチームコード（G、Bu など）。
終了コード: 0 成功、1 ファイルを読み書きできない、2 使い方の誤りまたは受け付けられない値、
3 diff で違いがある
</source>
        <translation>Usage: quindaro2-cli &lt;command&gt; [options] [arguments]

Commands:
%1
&apos;quindaro2-cli &lt;command&gt; --help&apos; shows the usage of a command, &apos;quindaro2-cli help
formats&apos; the forms of --format json and csv.
Edition E is %2 or %3; commands that read a ROM also take auto.
Team T is a number from 0, or a team code unique in the edition (G, Bu, ...).
Exit codes: 0 success, 1 a file cannot be read or written, 2 a usage error or
a refused value, 3 diff found differences
</translation>
    </message>
    <message>
        <location filename="../src/cli/Cli.cpp" line="50"/>
        <source>%1 は文字として読めないバイトを含んでいます（UTF-8 ではない名前）。別の名前のファイルを使わないよう、何もしません</source>
        <translation>%1 holds bytes that are no text (a name that is not UTF-8). Nothing is done, so that no file of another name is used</translation>
    </message>
    <message>
        <location filename="../src/cli/Cli.cpp" line="57"/>
        <source>標準出力に書き込めません（%1）</source>
        <translation>Cannot write to standard output (%1)</translation>
    </message>
    <message>
        <location filename="../src/cli/Cli.cpp" line="84"/>
        <source>不明なコマンドです：%1</source>
        <translation>Unknown command: %1</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <location filename="../src/cli/Command.cpp" line="22"/>
        <source>--team がありません</source>
        <translation>--team is missing</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="67"/>
        <source>  --edition E   版（%1 または %2）
</source>
        <translation>  --edition E   edition (%1 or %2)
</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="72"/>
        <source>  --team T      チーム: 0 から数える番号、またはその版で一つしかないチームコード
</source>
        <translation>  --team T      team: a number from 0, or a team code unique in the edition
</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="78"/>
        <location filename="../src/cli/Command.cpp" line="96"/>
        <source>--edition がありません</source>
        <translation>--edition is missing</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="90"/>
        <source>  --edition E   版（%1 または %2）。auto なら ROM から推定します
</source>
        <translation>  --edition E   edition (%1 or %2); auto detects it from the ROM
</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="104"/>
        <source>版は %1、%2 または auto で指定してください：%3</source>
        <translation>Give the edition as %1, %2 or auto: %3</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="117"/>
        <source>版を推定できません：%1。--edition で版を指定してください</source>
        <translation>Cannot detect the edition: %1. Give it with --edition</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="122"/>
        <source>%1年版と推定しました（次点 %2年版との差 %3）</source>
        <translation>Detected the %1 edition (%3 ahead of the %2 edition)</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="151"/>
        <source>警告：%1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="153"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="62"/>
        <source>%1 は値をとりません</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="66"/>
        <source>%1 には値が必要です</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="80"/>
        <source>引数を読めません：%1</source>
        <translation>Cannot read the arguments: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="81"/>
        <source>不明なオプションです：%1%2</source>
        <translation>Unknown option: %1%2</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="90"/>
        <source>%1 が2回あります</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="143"/>
        <source>%1年版のチーム番号は 0～%2 です（%3）：%4</source>
        <translation>Team numbers of the %1 edition are 0–%2 (%3): %4</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="157"/>
        <source>%1年版にチームコード「%2」はありません（%3）</source>
        <translation>The %1 edition has no team code &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="162"/>
        <source>チームコード「%1」は%2年版に%3つあります（番号 %4）。番号で指定してください</source>
        <translation>The %2 edition has %3 teams with the code &quot;%1&quot; (numbers %4). Give the team by its number</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandLine.cpp" line="164"/>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>DemoCommand</name>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="19"/>
        <source>試用のための架空のROMイメージを作る</source>
        <translation>Make an invented ROM image to try things out</translation>
    </message>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="23"/>
        <source>使い方: quindaro2-cli demo --edition E [--random SEED] [--trainer] OUT

試用のための架空のROMイメージ（0x40010 バイト）を OUT に作ります。全チームに
架空の名前と、編集ダイアログが受け付ける値が入っています。既にあるファイルは
上書きしません。

</source>
        <translation>Usage: quindaro2-cli demo --edition E [--random SEED] [--trainer] OUT

Makes OUT, an invented ROM image (0x40010 bytes) to try things out on. Every
team holds invented names and values that the edit dialogs accept. An existing
file is not overwritten.

</translation>
    </message>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="30"/>
        <source>  --random SEED 選手とチームの色のほかのバイトを、本物の ROM のプログラムの
                代わりに乱数で埋めます。乱数と架空の選手は SEED（0 以上の
                整数）で決まります。省略するとほかのバイトは 0 です
  --trainer     ヘッダーにトレーナーの印を付け、512 バイトのトレーナーを
                入れます（ファイルは 0x40210 バイト）
</source>
        <translation>  --random SEED fill the bytes other than the players and the team colours with
                random numbers in place of a real ROM&apos;s program. The random
                numbers and the invented players follow from SEED (a whole
                number from 0); without it the other bytes are 0
  --trainer     mark a trainer in the header and put in a 512-byte trainer
                (the file has 0x40210 bytes)
</translation>
    </message>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="49"/>
        <source>OUT のファイル名が1つ必要です</source>
        <translation>Give one file name, OUT</translation>
    </message>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="54"/>
        <source>SEED は 0 以上の整数で指定してください：%1</source>
        <translation>Give SEED as a whole number from 0: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="64"/>
        <source>%1年版のサンプルROMを %2 に作りました</source>
        <translation>Made a sample ROM of the %1 edition: %2</translation>
    </message>
</context>
<context>
    <name>DetectCommand</name>
    <message>
        <location filename="../src/cli/DetectCommand.cpp" line="21"/>
        <source>ROM がどの版かを推定する</source>
        <translation>Detect the edition of a ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/DetectCommand.cpp" line="25"/>
        <source>使い方: quindaro2-cli detect ROM [--format text|json|csv]

ROM がどの版かを、各版の配置でどれだけもっともらしく読めるかから推定します。
1行目は推定した版の年、決められないときは unknown です。続けて各版を
「年 点数」の形で、点数の高い順に1行ずつ出します。

点数は 0～100 です。その版のすべての選手・監督の名前、打席と投法、数値、
チームの色と数値が、その版で表示・編集できるものなら 100 になります。
版を決めるのは、最高点が %1 以上で 2位より %2 以上高いときだけです。
NES の印のないファイルと、ヘッダーの示す大きさより短いファイルは推定しません。
ファイルの大きさだけで決めることはありません。


</source>
        <translation>Usage: quindaro2-cli detect ROM [--format text|json|csv]

Detects the edition of ROM from how plausibly it reads in each edition&apos;s layout.
The first line is the year of the edition, or unknown when none is clear. Then
every edition follows on a line of its own as &quot;YEAR SCORE&quot;, the highest first.

Scores run from 0 to 100. An edition scores 100 when the names of all players
and managers, the batting sides and pitching forms, the numbers, the team
colours and figures are all ones that the edition can show and edit. An
edition is chosen only when the best score is at least %1 and at least %2
above the second. Files without the NES mark and files shorter than their
header declares are not judged. The size of a file alone never decides.

</translation>
    </message>
    <message>
        <location filename="../src/cli/DetectCommand.cpp" line="40"/>
        <source>
終了コード: 0 推定できた、1 ファイルを読めない、2 推定できない
</source>
        <translation>
Exit codes: 0 detected, 1 the file cannot be read, 2 not detected
</translation>
    </message>
    <message>
        <location filename="../src/cli/DetectCommand.cpp" line="48"/>
        <source>ROM のファイル名が1つ必要です</source>
        <translation>Give one file name, ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/DetectCommand.cpp" line="70"/>
        <source>推定できません：%1</source>
        <translation>Cannot detect the edition: %1</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="24"/>
        <source>別の ROM かパッチと選手ごとに比べる</source>
        <translation>compare with another ROM or a patch, player by player</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="28"/>
        <source>使い方: quindaro2-cli diff --edition E ROM OTHER [--format text|json]
       quindaro2-cli diff --edition E ROM --patch PATCH [--format text|json]

ROM と、同じ版の別の ROM（OTHER）または ROM に IPS/BPS パッチを当てたもの（メモリの中だけ）を
比べ、値の違うセルを1つ1行で表示します: チーム、表、行、列の見出し、元の値、新しい値。
何も書き込みません。

</source>
        <translation>Usage: quindaro2-cli diff --edition E ROM OTHER [--format text|json]
       quindaro2-cli diff --edition E ROM --patch PATCH [--format text|json]

Compares ROM with OTHER, another ROM of the same edition, or with ROM after an
IPS/BPS patch (in memory only), and prints one line per cell that differs: team,
grid, row, column heading, old value, new value. Nothing is written.

</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="36"/>
        <source>  --patch PATCH ROM にこのパッチを当てたものと比べる。別の ROM 用の BPS パッチは受け付けません
  --format F    出力の形式: text（既定）、json

--format json は {&quot;edition&quot;, &quot;differences&quot;} で、differences の各要素は team、code、
grid、row（league と同じ）、column（1 から）、heading、old（ROM のセル）、new（比べる
ROM のセル）を持ちます。

終了コード: 0 違いなし、3 違いあり、1 ファイルを読めない、2 使い方の誤りまたは受け付けられないパッチ
</source>
        <translation>  --patch PATCH compare with ROM after this patch; a BPS patch for another ROM is
                refused
  --format F    output format: text (default), json

--format json writes {&quot;edition&quot;, &quot;differences&quot;}; each element of differences has
team, code, grid, row (as for league), column (from 1), heading, old (the cell in
ROM) and new (the cell in the other).

Exit codes: 0 no differences, 3 differences, 1 a file cannot be read, 2 a usage
error or a refused patch
</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="61"/>
        <source>diff の形式は text か json です</source>
        <translation>The format of diff is text or json</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="65"/>
        <source>--patch と一緒には ROM のファイル名が1つ必要です</source>
        <translation>With --patch, give one file name, ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="66"/>
        <source>ROM と OTHER のファイル名が必要です</source>
        <translation>Give two file names, ROM and OTHER</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="87"/>
        <source>違いはありません</source>
        <translation>No differences</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/DiffCommand.cpp" line="90"/>
        <source>%n個のセルが違います</source>
        <translation>
            <numerusform>%n cell differs</numerusform>
            <numerusform>%n cells differ</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="112"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="135"/>
        <source>%1  %2  %3行目  %4：%5 → %6</source>
        <translation>%1  %2  row %3  %4: %5 → %6</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="24"/>
        <source>全チームのバッターとピッチャーをコンマ区切りのテキストに出力する</source>
        <translation>Export the batters and pitchers of every team as comma-separated text</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="29"/>
        <source>使い方: quindaro2-cli export --edition E [--per-team] ROM OUT

ROM の全チームのバッターとピッチャーを、Shift-JIS のコンマ区切りテキスト
（行末は CR LF）として OUT に書きます。エディタの選手データ出力と同じ内容です。
OUT が - のときは標準出力に書きます。

</source>
        <translation>Usage: quindaro2-cli export --edition E [--per-team] ROM OUT

Writes the batters and pitchers of every team of ROM to OUT as comma-separated
Shift-JIS text (lines end in CR LF), the same as the editor&apos;s player data
export. When OUT is -, writes to standard output.

</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="36"/>
        <source>  --per-team    チームごとに1ファイル。OUT の拡張子の前に「_」とチームコードを
                付けた名前になります（players.txt → players_G.txt …）
</source>
        <translation>  --per-team    one file per team, named OUT with &quot;_&quot; and the team code before
                its extension (players.txt → players_G.txt, ...)
</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="51"/>
        <source>ROM と OUT の2つのファイル名が必要です</source>
        <translation>Give two file names, ROM and OUT</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="55"/>
        <source>OUT のファイル名が空です</source>
        <translation>The file name OUT is empty</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="59"/>
        <source>--per-team のときは OUT に - （標準出力）を使えません</source>
        <translation>With --per-team, OUT cannot be - (standard output)</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="72"/>
        <source>%1 に書き込みました</source>
        <translation>Wrote %1</translation>
    </message>
    <message>
        <location filename="../src/cli/ExportCommand.cpp" line="86"/>
        <source>標準出力に書き込めません</source>
        <translation>Cannot write to standard output</translation>
    </message>
</context>
<context>
    <name>FormatsHelp</name>
    <message>
        <location filename="../src/cli/FormatsHelp.cpp" line="31"/>
        <source>使い方: quindaro2-cli help formats

show、detect、import --dry-run、patch apply --dry-run は、--format json で JSON を、
--format csv で CSV（UTF-8、コンマ区切り、LF で改行、最初の行は列の名前）を標準出力に
書きます。メッセージは標準エラーに出ます。キー、列の名前、値のうちの語は英語で、
どの言語でも同じです。名前などのテキストはゲームのもので、表のとおりです。数値の列の
セルは数です。バイトは小文字の16進数（1バイト2桁）です。ないものは null です。
a.b[].c はオブジェクト a の配列 b の各要素のキー c、GRID は batter、pitcher、
manager（監督のいる版だけ）のどれかです。league と diff の JSON のキーと CSV の列は、
それぞれの --help にあります。

show --format json: 1チーム
  edition                            版の年
  team.index                         チームの番号（0 から）
  team.code                          チームコード
  team.colors.helmet                 帽子の色コード（0～63）
  team.colors.uniform                ユニフォームの色コード
  team.figures.battingAverage        平均打率（表示のとおりのテキスト）
  team.figures.homeRuns              総本塁打（テキスト）
  team.figures.running               平均走力（テキスト）
  team.figures.earnedRunAverage      平均防御率（テキスト）
  team.grids.GRID.recordSize         1人のレコードのバイト数
  team.grids.GRID.columns[].heading  列の見出し
  team.grids.GRID.columns[].field    列の中身を表す語（下の一覧）
  team.grids.GRID.rows[].row         行の番号（1 から。set の --row）
  team.grids.GRID.rows[].cells[]     列の順のセル
  team.grids.GRID.rows[].bytes       ROM に記録されているとおりのレコード
show --format csv: 1セル1行
    team,code,grid,row,column,field,heading,text,bytes
field の語: name、battingSide、pitchingForm、battingAverage、homeRuns、shownAverage、
shownHomeRuns、running、position、fielding、arm、earnedRunAverage、fastSpeed、
averageSpeed、slowSpeed、stamina、rightBreak、leftBreak、fork、popularity、type、
uniformNumber、uniform

detect --format json: 版の推定
  edition                            推定した版の年。推定できないときは null
  margin                             1位と2位の点数の差
  scores[].edition                   版の年（点数の高い順）
  scores[].score                     その版の点数（0～100）
  reasons[]                          推定できない理由（推定できたときは空）: noNesMark
                                     （NES の印がない）、cutFile（ヘッダーの示す大きさ
                                     より短い）、lowScore（最高点が %1 未満）、tooClose
                                     （2位との差が %2 未満）
  size                               ファイルのバイト数
  declaredSize                       ヘッダーの示す大きさ。示していなければ null
detect --format csv: 点数の高い順
    edition,score

import --dry-run --format json: 取り込みで変わるセル
  edition                            版の年
  accepted                           すべてのセルを受け付けたなら true
  teams[]                            テキストにあるチームの番号
  changes[].team                     チームの番号
  changes[].code                     チームコード
  changes[].grid                     batter か pitcher
  changes[].row                      行の番号（1 から）
  changes[].player                   取り込んだ後の名前
  changes[].field                    列の中身を表す語
  changes[].heading                  列の見出し
  changes[].before                   前の値（出力のとおり）
  changes[].after                    後の値
  changes[].bytesBefore              前のレコード
  changes[].bytesAfter               後のレコード
  problems[].file                    受け付けられなかったファイル（理由は標準エラーに
                                     出ます）
  problems[].line                    その行（1 から。ファイル全体なら 0）
  problems[].heading                 その列の見出し（行やファイル全体なら空）
  problems[].text                    そこにあるテキスト
import --dry-run --format csv: 1セル1行
    team,code,grid,row,player,field,heading,before,after

patch apply --dry-run --format json: パッチで変わるバイト
  kind                               ips か bps。どちらでもなければ null
  fits                               この ROM に当てられるなら true
  verified                           ROM と結果をチェックサムで確かめたなら true
  rom.size                           ROM のバイト数
  rom.crc32                          ROM の CRC32（16進数8桁）
  result.size                        当てた結果のバイト数（当てられないときは
                                     result が null）
  result.crc32                       結果の CRC32
  changes[].offset                   変わる範囲の位置（ファイルの先頭から数え、
                                     ヘッダーを含む）
  changes[].length                   その範囲のバイト数
  changes[].before                   ROM のバイト（ROM が途中で終わればその分短い）
  changes[].after                    結果のバイト（結果が途中で終わればその分短い）
patch apply --dry-run --format csv: 変わる範囲ごとに1行
    offset,length,before,after

例: 0 が 1000 バイト並ぶだけのファイル zeros.bin の推定
    $ quindaro2-cli detect --format json zeros.bin
</source>
        <translation>Usage: quindaro2-cli help formats

show, detect, import --dry-run and patch apply --dry-run write JSON with
--format json, and CSV with --format csv (UTF-8, comma-separated, LF line ends,
the column names on the first line), on standard output. Messages go to
standard error. Keys, column names and the words among the values are English,
the same in every language. Names and other texts are the game&apos;s, as the grids
show them; the cells of number columns are numbers. Bytes are lower-case hex,
two digits a byte. What is not there is null. a.b[].c is key c of each element
of array b of object a; GRID is batter, pitcher or manager (only in editions
with managers). The keys of the JSON and the columns of the CSV of league and
diff are in their own --help.

show --format json: one team
  edition                            the edition&apos;s year
  team.index                         the team&apos;s number, from 0
  team.code                          the team&apos;s code
  team.colors.helmet                 the cap colour code (0-63)
  team.colors.uniform                the uniform colour code
  team.figures.battingAverage        the mean batting average (text, as shown)
  team.figures.homeRuns              the home-run total (text)
  team.figures.running               the mean running (text)
  team.figures.earnedRunAverage      the mean earned-run average (text)
  team.grids.GRID.recordSize         the bytes of one record
  team.grids.GRID.columns[].heading  the column&apos;s heading
  team.grids.GRID.columns[].field    a word for what the column holds (see below)
  team.grids.GRID.rows[].row         the row&apos;s number, from 1 (set&apos;s --row)
  team.grids.GRID.rows[].cells[]     the cells in column order
  team.grids.GRID.rows[].bytes       the record as the ROM stores it
show --format csv: one line a cell
    team,code,grid,row,column,field,heading,text,bytes
The words of field: name, battingSide, pitchingForm, battingAverage, homeRuns,
shownAverage, shownHomeRuns, running, position, fielding, arm,
earnedRunAverage, fastSpeed, averageSpeed, slowSpeed, stamina, rightBreak,
leftBreak, fork, popularity, type, uniformNumber, uniform

detect --format json: the edition&apos;s guess
  edition                            the year of the edition guessed; null when
                                     none is clear
  margin                             the first score less the second
  scores[].edition                   an edition&apos;s year, the highest score first
  scores[].score                     its score (0-100)
  reasons[]                          why no edition is clear (empty when one is):
                                     noNesMark (no NES mark), cutFile (shorter
                                     than its header declares), lowScore (the
                                     best score is below %1), tooClose (the
                                     second is less than %2 behind)
  size                               the file&apos;s size in bytes
  declaredSize                       the size its header declares; null when
                                     it declares none
detect --format csv: the highest score first
    edition,score

import --dry-run --format json: the cells the import changes
  edition                            the edition&apos;s year
  accepted                           true when every cell was accepted
  teams[]                            the numbers of the teams in the texts
  changes[].team                     the team&apos;s number
  changes[].code                     the team&apos;s code
  changes[].grid                     batter or pitcher
  changes[].row                      the row&apos;s number, from 1
  changes[].player                   the name after the import
  changes[].field                    a word for what the column holds
  changes[].heading                  the column&apos;s heading
  changes[].before                   the value before (as exported)
  changes[].after                    the value after
  changes[].bytesBefore              the record before
  changes[].bytesAfter               the record after
  problems[].file                    a file with a refusal (the reasons go to
                                     standard error)
  problems[].line                    its line, from 1 (0 for the whole file)
  problems[].heading                 the column&apos;s heading (empty for a whole
                                     line or file)
  problems[].text                    the text there
import --dry-run --format csv: one line a cell
    team,code,grid,row,player,field,heading,before,after

patch apply --dry-run --format json: the bytes the patch changes
  kind                               ips or bps; null for neither
  fits                               true when it can be applied to this ROM
  verified                           true when checksums checked the ROM and the
                                     result
  rom.size                           the ROM&apos;s size in bytes
  rom.crc32                          the ROM&apos;s CRC32 (8 hex digits)
  result.size                        the result&apos;s size (result is null when
                                     the patch cannot be applied)
  result.crc32                       the result&apos;s CRC32
  changes[].offset                   where a changed run starts, counted from
                                     the file&apos;s first byte, header included
  changes[].length                   the run&apos;s bytes
  changes[].before                   the ROM&apos;s bytes (shorter where it ends)
  changes[].after                    the result&apos;s bytes (shorter where it ends)
patch apply --dry-run --format csv: one line a run
    offset,length,before,after

Example: the guess for zeros.bin, a file of 1000 zero bytes
    $ quindaro2-cli detect --format json zeros.bin
</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="25"/>
        <source>出力したテキスト（表計算ソフトで編集したもの）を ROM に取り込む</source>
        <translation>Import exported text (edited in a spreadsheet) into a ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="30"/>
        <source>使い方: quindaro2-cli import --edition E ROM CSV... [--output OUT | --patch OUT]
                             [--dry-run [--format text|json|csv]]

export で書いたテキストを ROM に戻します。CSV は全チームの1ファイルでも、
チームごとのファイル（順は問いません）でもかまいません。ファイルにないチームは
そのままです。チームはチームの行（「Gチーム」）で、選手は行の順（1行目が1人目）で
決まります。変わったセルはエディタの編集ダイアログと同じ規則で調べ、変わらない
セルのバイトはそのまま残します。1991年版の「タイプ」は出力と同じく1バイト全体
（バッターは 16 × タイプ + 守備位置、ピッチャーは 16 × タイプ + 1）です。
受け付けられないセルが1つでもあれば何も書かず、それを（100 か所まで）表示します。
Shift-JIS と UTF-8（BOM の有無を問わず）、CR LF・LF・CR の行末、引用符で囲んだ欄、
行末の空の欄と空行を読めます。CSV は合わせて 1 MiB、65536 行までです。
監督とチームの色は変わりません。

</source>
        <translation>Usage: quindaro2-cli import --edition E ROM CSV... [--output OUT | --patch OUT]
                             [--dry-run [--format text|json|csv]]

Puts text written by export back into ROM. CSV may be one file of all teams or
files of single teams, in any order. Teams that are in no file stay as they are.
The team lines (&quot;Gチーム&quot;) tell the teams, the order of the lines the players
(the first line is the first player). Changed cells are checked by the rules of
the editor&apos;s edit dialogs; unchanged cells keep their bytes. The 1991
&quot;タイプ&quot; is the whole byte, as exported (16 × type + position for batters,
16 × type + 1 for pitchers). If any cell is refused, nothing is written and the
refusals are shown (up to 100). Reads Shift-JIS and UTF-8 (with or without
BOM), CR LF, LF and CR line ends, quoted fields, empty fields at line ends and
empty lines. The CSV files may hold 1 MiB and 65536 lines together. Managers
and team colours do not change.

</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="45"/>
        <source>  --output OUT  ROM のコピーに取り込んだファイルを OUT に作ります（ROM は変わりま
                せん）。省略すると ROM そのものに書きます
</source>
        <translation>  --output OUT  make OUT, a copy of ROM with the import in it (ROM stays as it
                is); without it, ROM itself is written
</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="48"/>
        <source>  --dry-run     何も書かずに、変わるセルを表示します（チーム、何人目、名前、
                列、前 → 後）
</source>
        <translation>  --dry-run     write nothing, but show the cells that would change (team,
                player number, name, column, before → after)
</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="66"/>
        <source>ROM と1つ以上の CSV が必要です</source>
        <translation>Give ROM and at least one CSV</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="72"/>
        <source>--patch と --output は一緒に使えません</source>
        <translation>--patch and --output cannot be used together</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="78"/>
        <source>パッチのファイル名は .ips か .bps で終わる必要があります：%1</source>
        <translation>A patch file name must end in .ips or .bps: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="81"/>
        <source>%1 のファイル名が空です</source>
        <translation>The file name of %1 is empty</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="90"/>
        <source>--format は --dry-run と一緒に使います</source>
        <translation>--format goes with --dry-run</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="111"/>
        <source>%1 はそのままです</source>
        <translation>%1 is unchanged</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="114"/>
        <location filename="../src/cli/ImportCommand.cpp" line="159"/>
        <source>--dry-run のため何も書き込んでいません</source>
        <translation>Nothing was written (--dry-run)</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="118"/>
        <location filename="../src/cli/ImportCommand.cpp" line="169"/>
        <source>注意：%1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="120"/>
        <source>%1 にパッチを書き込みました</source>
        <translation>Wrote the patch %1</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="120"/>
        <source>%1 に保存しました</source>
        <translation>Saved %1</translation>
    </message>
</context>
<context>
    <name>Io</name>
    <message>
        <location filename="../src/cli/Io.cpp" line="72"/>
        <source>何も書き込んでいません</source>
        <translation>Nothing was written</translation>
    </message>
    <message>
        <location filename="../src/cli/Io.cpp" line="79"/>
        <source>使い方は &apos;%1 %2--help&apos; で表示します</source>
        <translation>&apos;%1 %2--help&apos; shows the usage</translation>
    </message>
</context>
<context>
    <name>LeagueCommand</name>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="49"/>
        <source>全チームの全選手を1つの表にして表示する</source>
        <translation>show every player of every team in one table</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="53"/>
        <source>使い方: quindaro2-cli league --edition E ROM [--grid batter|pitcher|manager] [--team T]
                            [--find TEXT] [--sort COLUMN [--descending]] [--format text|json|csv]

全チームの選手を1人1行で、チーム、表、行、エディタの表と同じ各列の値とともに表示します。

</source>
        <translation>Usage: quindaro2-cli league --edition E ROM [--grid batter|pitcher|manager] [--team T]
                            [--find TEXT] [--sort COLUMN [--descending]] [--format text|json|csv]

Shows every player of every team, one a line, with the team, grid, row and each
column&apos;s value as the editor&apos;s grids show it.

</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="59"/>
        <source>  --grid G      その表の選手だけ: batter、pitcher、manager
  --team T      そのチームの選手だけ（0 から数える番号か、その版で一つしかないチームコード）
  --find TEXT   名前にその文字を含む選手だけ。ローマ字（tanaka）はかなに変えて探します
  --sort COLUMN その列の順に並べる: 列の見出しか英語の項目名（homeRuns など）。
                数は数として、名前はその版の文字の順に並べます
  --descending  大きい順に並べる
</source>
        <translation>  --grid G      only the players of this grid: batter, pitcher, manager
  --team T      only the players of this team (a number from 0, or a team code
                unique in the edition)
  --find TEXT   only players whose name holds the text; romaji (tanaka) is
                searched as kana
  --sort COLUMN sort by this column: its heading or the English field name
                (homeRuns, ...); numbers as numbers, names in the edition&apos;s
                character order
  --descending  largest first
</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="66"/>
        <source>
--format json は {&quot;edition&quot;, &quot;players&quot;} で、players の各要素は team（番号）、code
（同じコードのチームが2つあれば &quot;C (13)&quot; のように番号つき）、grid、row（1 から）と、
項目名（name、homeRuns など）ごとのセルを持つ fields です。--format csv は選手ごとに
1行で、列は team,code,grid,row とその版のすべての項目名です（その表にない項目は空）。
</source>
        <translation>
--format json writes {&quot;edition&quot;, &quot;players&quot;}; each element of players has team (the
number), code (with the number where two teams share it, &quot;C (13)&quot;), grid, row
(from 1) and fields, the cells by field name (name, homeRuns, ...). --format csv
writes one line per player with the columns team,code,grid,row and every field
name of the edition (empty where the player&apos;s grid lacks it).
</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="97"/>
        <source>表は batter、pitcher、manager のどれかです：%1</source>
        <translation>The grid is one of batter, pitcher and manager: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="101"/>
        <source>ROM のファイル名が1つ必要です</source>
        <translation>Give one file name, ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="111"/>
        <source>%1年版には監督の表がありません</source>
        <translation>The %1 edition has no manager grid</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="124"/>
        <source>その版に %1 の列はありません。列は %2 です</source>
        <translation>The edition has no column %1; its columns are %2</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="202"/>
        <source>チーム</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="203"/>
        <source>表</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="204"/>
        <source>行</source>
        <translation>Row</translation>
    </message>
    <message>
        <location filename="../src/cli/LeagueCommand.cpp" line="220"/>
        <source>%1人</source>
        <translation>%1 players</translation>
    </message>
</context>
<context>
    <name>OutputFormat</name>
    <message>
        <location filename="../src/cli/OutputFormat.cpp" line="57"/>
        <source>  --format F    出力の形式: text（既定）、json、csv。json と csv はどの言語でも
                同じで、その形は &apos;quindaro2-cli help formats&apos; で表示します
</source>
        <translation>  --format F    the output&apos;s form: text (the default), json or csv; json and csv
                are the same in every language: &apos;quindaro2-cli help formats&apos;
                shows them
</translation>
    </message>
    <message>
        <location filename="../src/cli/OutputFormat.cpp" line="73"/>
        <source>形式は text、json、csv のどれかです：%1</source>
        <translation>The format is text, json or csv: %1</translation>
    </message>
</context>
<context>
    <name>PatchCommand</name>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="26"/>
        <source>IPS・BPS パッチを作る、当てる</source>
        <translation>Make and apply IPS and BPS patches</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="30"/>
        <source>使い方: quindaro2-cli patch create ORIGINAL MODIFIED OUT
        quindaro2-cli patch apply ROM PATCH OUT
        quindaro2-cli patch apply --dry-run ROM PATCH [--format text|json|csv]

  create  ORIGINAL から MODIFIED への変更を、OUT の拡張子（.ips か .bps）の形式の
          パッチにします。どんな2つのファイルにも使えます。
  apply   ROM に PATCH を当てた結果を OUT に書きます。形式はパッチの先頭のバイトで
          決まります。BPS パッチは元の ROM、結果、パッチ自身のチェックサムを確かめ、
          別の ROM のためのパッチは何も書かずに断ります。IPS パッチには確かめる
          手段がありません。

OUT には読み込むファイルを使えません。

</source>
        <translation>Usage: quindaro2-cli patch create ORIGINAL MODIFIED OUT
       quindaro2-cli patch apply ROM PATCH OUT
       quindaro2-cli patch apply --dry-run ROM PATCH [--format text|json|csv]

  create  make OUT, a patch of the changes from ORIGINAL to MODIFIED, in the
          form its extension names (.ips or .bps); works for any two files
  apply   write ROM with PATCH applied to OUT; the first bytes of the patch
          tell its form. A BPS patch has the checksums of the original ROM,
          the result and itself checked, and a patch for another ROM is
          refused without writing anything. An IPS patch has no means of
          checking.

OUT cannot be a file that is read.

</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="43"/>
        <source>  --dry-run     apply で何も書かずに、パッチがこの ROM に当てられるかどうかと、
                変わるバイト（オフセット、バイト数、前 → 後）を表示します
</source>
        <translation>  --dry-run     with apply, write nothing: say whether the patch can be applied
                to this ROM, and which bytes it changes (offset, count, before →
                after)
</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="61"/>
        <source>--dry-run は patch apply --dry-run ROM PATCH の形で使います</source>
        <translation>Use --dry-run as patch apply --dry-run ROM PATCH</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="65"/>
        <source>--format は --dry-run と一緒に使います</source>
        <translation>--format goes with --dry-run</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="67"/>
        <source>patch create ORIGINAL MODIFIED OUT か patch apply ROM PATCH OUT の形で指定してください</source>
        <translation>Give patch create ORIGINAL MODIFIED OUT or patch apply ROM PATCH OUT</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="69"/>
        <source>OUT のファイル名が空です</source>
        <translation>The file name OUT is empty</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="99"/>
        <location filename="../src/cli/PatchCommand.cpp" line="127"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="100"/>
        <source>--dry-run のため何も書き込んでいません</source>
        <translation>Nothing was written (--dry-run)</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="131"/>
        <source>BPS パッチを当てて %1 に書き込みました（元の ROM と結果のチェックサムは一致しています）</source>
        <translation>Applied the BPS patch and wrote %1 (the checksums of the original ROM and of the result match)</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchCommand.cpp" line="133"/>
        <source>IPS パッチを当てて %1 に書き込みました。IPS パッチには元の ROM を確かめる手段がないため、正しい ROM に当てたかどうかは確かめられていません</source>
        <translation>Applied the IPS patch and wrote %1. An IPS patch has no means of checking the original ROM, so it is not known whether it was applied to the right ROM</translation>
    </message>
</context>
<context>
    <name>PatchOutput</name>
    <message>
        <location filename="../src/cli/PatchOutput.cpp" line="41"/>
        <source>パッチのファイル名は .ips か .bps で終わる必要があります：%1</source>
        <translation>A patch file name must end in .ips or .bps: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchOutput.cpp" line="23"/>
        <source>%1 は読み込むファイルと同じです。書き込み先には使えません</source>
        <translation>%1 is a file that is read; it cannot be written</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchOutput.cpp" line="32"/>
        <source>--output の %1 は ROM %2 と同じファイルです。ROM そのものに書くには --output を省いてください</source>
        <translation>%1 of --output is the same file as the ROM %2. To write the ROM itself, leave out --output</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchOutput.cpp" line="45"/>
        <source>2つのファイルは同じです。パッチは書きません</source>
        <translation>The two files are the same. No patch is written</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchOutput.cpp" line="57"/>
        <source>%1 にパッチを書き込みました（%2 バイト）</source>
        <translation>Wrote the patch %1 (%2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchOutput.h" line="17"/>
        <source>  --patch OUT   ROM を変えずに、変更を IPS または BPS のパッチとして OUT に書きます
                （拡張子 .ips か .bps で形式を選びます。--output とは一緒に使えません）
</source>
        <translation>  --patch OUT   write the changes as an IPS or BPS patch into OUT, leaving ROM
                as it is (the extension .ips or .bps picks the form; not with
                --output)
</translation>
    </message>
</context>
<context>
    <name>PatchPreview</name>
    <message>
        <location filename="../src/cli/PatchPreview.cpp" line="34"/>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchPreview.cpp" line="96"/>
        <source>BPS パッチはこの ROM に合います（元の ROM と結果のチェックサムは一致しています）</source>
        <translation>The BPS patch fits this ROM (the checksums of the original ROM and of the result match)</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchPreview.cpp" line="97"/>
        <source>IPS パッチは当てられますが、元の ROM を確かめる手段がないため、この ROM のためのパッチかどうかは確かめられません</source>
        <translation>The IPS patch can be applied, but an IPS patch has no means of checking the original ROM, so whether it was made for this ROM is not known</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchPreview.cpp" line="99"/>
        <source>変わるのは %1 か所、%2 バイトです（大きさ %3 → %4 バイト）</source>
        <translation>It changes %2 bytes in %1 runs (size %3 → %4 bytes)</translation>
    </message>
    <message>
        <location filename="../src/cli/PatchPreview.cpp" line="105"/>
        <source>  0x%1  %2 バイト  %3 → %4</source>
        <translation>  0x%1  %2 bytes  %3 → %4</translation>
    </message>
</context>
<context>
    <name>SetCommand</name>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="172"/>
        <source>注意：%1 %2 行目「%3」は「%4」ではなく「%5」として保存されました</source>
        <translation>Note: %1 row %2 &quot;%3&quot; was stored as &quot;%5&quot;, not &quot;%4&quot;</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="50"/>
        <source>%1年版</source>
        <translation>%1</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="52"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="59"/>
        <source>1つのセルを編集して、そのチームを保存する</source>
        <translation>Edit one cell and save its team</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="63"/>
        <source>使い方: quindaro2-cli set --edition E --team T --grid batter|pitcher|manager
                          --row R --column C VALUE ROM [--output OUT | --patch OUT]

エディタの編集ダイアログと同じ範囲・選択肢・名前の規則で1つのセルを VALUE に
変え、そのチームを保存と同じように書き戻します。受け付けられない値のときは
何も書きません。書き込みは一度に行われ、失敗しても書き込み先は元のままです。
ほかのプログラムが同じ ROM を保存している間は、最大10秒待ちます。

</source>
        <translation>Usage: quindaro2-cli set --edition E --team T --grid batter|pitcher|manager
                         --row R --column C VALUE ROM [--output OUT | --patch OUT]

Changes one cell to VALUE under the ranges, choices and name rules of the
editor&apos;s edit dialogs, and writes the team back as a save does. A value that
is refused writes nothing. The file is written at once: if that fails, it
stays as it was. While another program saves the same ROM, waits up to 10
seconds.

</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="72"/>
        <source>  --grid G      表: batter（バッター）、pitcher（ピッチャー）、
                manager（監督、監督のいる版だけ）
  --row R       行: 1 から（0 は見出しの行）
  --column C    列: 1 から（0 は行番号の列）。show の表の列の順
  --output OUT  ROM のコピーにチームを書いたファイルを OUT に作ります（ROM は
                変わりません）。省略すると ROM そのものに書きます
</source>
        <translation>  --grid G      grid: batter, pitcher or manager (only in the editions with
                managers)
  --row R       row: from 1 (0 is the heading row)
  --column C    column: from 1 (0 is the row-number column), in the order of
                the columns that show prints
  --output OUT  make OUT, a copy of ROM with the team written into it (ROM
                stays as it is); without it, ROM itself is written
</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="101"/>
        <source>%1 がありません</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="105"/>
        <source>表は batter、pitcher、manager のどれかです：%1</source>
        <translation>The grid is one of batter, pitcher and manager: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="110"/>
        <source>行と列は 0 以上の整数で指定してください</source>
        <translation>Give the row and the column as whole numbers from 0</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="112"/>
        <source>VALUE と ROM の2つが必要です</source>
        <translation>Give two arguments, VALUE and ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="118"/>
        <source>--output のファイル名が空です</source>
        <translation>The file name of --output is empty</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="121"/>
        <source>--patch と --output は一緒に使えません</source>
        <translation>--patch and --output cannot be used together</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="140"/>
        <source>%1 のチームを読み込めないため、何も書き込みません</source>
        <translation>Cannot read the team from %1, so nothing is written</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="153"/>
        <source>パッチのファイル名は .ips か .bps で終わる必要があります：%1</source>
        <translation>A patch file name must end in .ips or .bps: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="176"/>
        <source>%1年版 チーム %2（%3）の%4 %5 行目「%6」を「%7」にして %8 に保存しました</source>
        <translation>Set %4 row %5 &quot;%6&quot; of team %2 (%3) of the %1 edition to &quot;%7&quot; and saved %8</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="193"/>
        <source>%1年版には監督のデータがありません（監督のいる版：%2）</source>
        <translation>The %1 edition has no manager data (editions with managers: %2)</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="197"/>
        <source>%1の行は 1～%2 です（0 は見出しの行）：%3</source>
        <translation>Rows of %1 are 1–%2 (0 is the heading row): %3</translation>
    </message>
    <message>
        <location filename="../src/cli/SetCommand.cpp" line="202"/>
        <source>%1の列は 1～%2 です（0 は行番号の列）：%3。列：%4</source>
        <translation>Columns of %1 are 1–%2 (0 is the row-number column): %3. Columns: %4</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <location filename="../src/cli/ShowCommand.cpp" line="27"/>
        <source>1チームの表、チームの数値と色を表示する</source>
        <translation>Show one team&apos;s grids, figures and colours</translation>
    </message>
    <message>
        <location filename="../src/cli/ShowCommand.cpp" line="31"/>
        <source>使い方: quindaro2-cli show --edition E --team T ROM [--format text|json|csv]

エディタが表示するとおりに、1チームのバッター・ピッチャー・監督の表、
チームの4つの数値と2つの色コードを表示します。警告と読み込めなかった
データは標準エラーに出ます。

</source>
        <translation>Usage: quindaro2-cli show --edition E --team T ROM [--format text|json|csv]

Shows the batter, pitcher and manager grids of one team as the editor shows
them, with the team&apos;s four figures and two colour codes. Warnings and data
that could not be read go to standard error.

</translation>
    </message>
    <message>
        <location filename="../src/cli/ShowCommand.cpp" line="56"/>
        <source>ROM のファイル名が1つ必要です</source>
        <translation>Give one file name, ROM</translation>
    </message>
    <message>
        <location filename="../src/cli/ShowCommand.cpp" line="82"/>
        <source>%1年版  チーム %2（%3）</source>
        <translation>%1 edition  team %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/cli/ShowCommand.cpp" line="83"/>
        <source>平均打率：%1  総本塁打：%2  平均走力：%3  平均防御率：%4</source>
        <translation>Avg. batting: %1  Total home runs: %2  Avg. running: %3  Avg. ERA: %4</translation>
    </message>
    <message>
        <location filename="../src/cli/ShowCommand.cpp" line="85"/>
        <source>帽子の色：%1  ユニフォームの色：%2</source>
        <translation>Cap colour: %1  Uniform colour: %2</translation>
    </message>
</context>
</TS>
