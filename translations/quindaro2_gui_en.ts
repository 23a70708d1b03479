<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>EditorCommandLine</name>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="38"/>
        <source>--edition には版が必要です</source>
        <translation>--edition needs an edition</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="39"/>
        <source>不明なオプションです：%1%2</source>
        <translation>Unknown option: %1%2</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="50"/>
        <source>開けるROMファイルは一つです：%1</source>
        <translation>Only one ROM file can be opened: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="52"/>
        <source>--edition が2回あります</source>
        <translation>--edition is given twice</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="59"/>
        <source>--edition はROMファイルといっしょに指定してください</source>
        <translation>Give --edition together with a ROM file</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="68"/>
        <source>使い方: quindaro2 [ROM] [--edition E]
  ROM           始めに開くROMファイル
  --edition E   その版（%1 または %2）。ないときは版を尋ねます
  -h, --help    この説明
</source>
        <translation>Usage: quindaro2 [ROM] [--edition E]
  ROM           the ROM file to open at start
  --edition E   its edition (%1 or %2); asked for when not given
  -h, --help    this help
</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EditorCommandLine.cpp" line="78"/>
        <source>
野球ゲームの NES ROM イメージの選手データを編集します。ROM を開いて版を選び、
チームを選んで、バッター・ピッチャー・監督・チームの色を変え、ROM そのものか
そのコピーに保存します。全チームの選手データをコンマ区切りのテキストに出力し、
表計算ソフトで直したものを取り込めます。スクリプトからは quindaro2-cli を使います。

ファイル:
  ~/.config/quindaro2/QUINDARO2.conf
                最近開いた ROM とその版、最後のフォルダー、ウィンドウの大きさと
                位置、出力の選択（XDG_CONFIG_HOME があればその下）
  ~/.local/share/quindaro2/QUINDARO2/samples
                「サンプルROMを開く」で作るサンプルROM。30日書き込まれなかったものは
                起動のときに消します（XDG_DATA_HOME があればその下）

環境変数:
  QUINDARO2_LANG  en なら英語、ja なら日本語で表示します。ないときは、システムの
                言語が日本語なら日本語、ほかは英語です
</source>
        <translation>
Edits the player data in NES ROM images of a baseball game. Open a ROM, say
which edition it is, pick a team, change its batters, pitchers, manager and
colours, and save them into the ROM or a copy. All teams&apos; players export as
comma-separated text, and text edited in a spreadsheet imports back. Scripts
use quindaro2-cli.

Files:
  ~/.config/quindaro2/QUINDARO2.conf
                the recent ROMs with their editions, the last folder, the
                window&apos;s size and place, the export choices (under
                XDG_CONFIG_HOME when it is set)
  ~/.local/share/quindaro2/QUINDARO2/samples
                the sample ROMs &quot;Open Sample ROM...&quot; makes; those not written
                for 30 days are removed at start (under XDG_DATA_HOME when it
                is set)

Environment:
  QUINDARO2_LANG  en for English, ja for Japanese; without it, Japanese when
                the system&apos;s language is Japanese, English otherwise
</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <location filename="../src/gui/app/GuardedApplication.cpp" line="25"/>
        <source>予期しないエラーが発生しました．</source>
        <translation>An unexpected error occurred.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="156"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>QtMainWindowPrompts</name>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="42"/>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="45"/>
        <source>NES ROM(*.nes)</source>
        <translation>NES ROM (*.nes)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="45"/>
        <source>全てのファイル(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="66"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="82"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="123"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="140"/>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="124"/>
        <source>データが変更されています．保存しますか？</source>
        <translation>The data has been changed. Do you want to save it?</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="125"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="145"/>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="126"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="146"/>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="71"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="127"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="61"/>
        <source>サンプルROMを作る版を選んでください</source>
        <translation>Choose the edition of the sample ROM</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="67"/>
        <source>まだ保存していない変更があります．選手データは ROM ファイルから出力されます．</source>
        <translation>There are changes not saved yet. The player data is exported from the ROM file.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="69"/>
        <source>保存して出力(&amp;S)</source>
        <translation>&amp;Save and Export</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="70"/>
        <source>ファイルのまま出力(&amp;F)</source>
        <translation>Export the &amp;File As It Is</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="83"/>
        <source>出力先のファイルのうち %n 個はすでにあります．置き換えますか？</source>
        <translation>
            <numerusform>%n of the files to write exists already. Replace it?</numerusform>
            <numerusform>%n of the files to write exist already. Replace them?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="92"/>
        <source>マニュアルを開けませんでした．%1</source>
        <translation>Cannot open the manual. %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="92"/>
        <source>README.md が見つかりません</source>
        <translation>README.md was not found</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="141"/>
        <source>%1 のこのチームのデータは、読み込んだ後でほかのプログラムに変更されています．表示中のデータで上書きしますか？</source>
        <translation>This team&apos;s data in %1 was changed by another program after it was read. Overwrite it with the data shown?</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="158"/>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="165"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="167"/>
        <source>NES ROM (*.nes)</source>
        <translation>NES ROM (*.nes)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="167"/>
        <source>その他のファイル (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="178"/>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="183"/>
        <source>選手データ取込</source>
        <translation>Import Player Data</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="186"/>
        <source>コンマ区切り(*.txt *.csv)</source>
        <translation>Comma-separated text (*.txt *.csv)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="186"/>
        <source>その他(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="196"/>
        <source>パッチとして保存</source>
        <translation>Save as Patch</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="198"/>
        <source>BPS パッチ (*.bps)</source>
        <translation>BPS patch (*.bps)</translation>
    </message>
    <message>
        <location filename="../src/gui/app/QtMainWindowPrompts.cpp" line="198"/>
        <source>IPS パッチ (*.ips)</source>
        <translation>IPS patch (*.ips)</translation>
    </message>
</context>
<context>
    <name>TeamsChart</name>
    <message>
        <location filename="../src/gui/league/TeamsChart.cpp" line="30"/>
        <source>グラフの部品が合いません：%1</source>
        <translation>The chart module does not fit this editor: %1</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <location filename="../src/gui/app/UndoActions.cpp" line="22"/>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../src/gui/app/UndoActions.cpp" line="23"/>
        <source>元に戻す：%1(&amp;U)</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/UndoActions.cpp" line="28"/>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../src/gui/app/UndoActions.cpp" line="29"/>
        <source>やり直し：%1(&amp;R)</source>
        <translation>&amp;Redo: %1</translation>
    </message>
</context>
<context>
    <name>quindaro2::CellTypingEditor</name>
    <message>
        <location filename="../src/gui/app/CellTypingEditor.cpp" line="80"/>
        <source>%1：範囲 %2～%3&#x3000;%4</source>
        <translation>%1: range %2 to %3  %4</translation>
    </message>
    <message>
        <location filename="../src/gui/app/CellTypingEditor.cpp" line="85"/>
        <source>%1：↑↓で選んで Enter で確定、Esc で取り消し</source>
        <translation>%1: choose with Up and Down, Enter to commit, Esc to cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/app/CellTypingEditor.cpp" line="89"/>
        <source>%1：ローマ字はかなになります．Enter で確定、Esc で取り消し</source>
        <translation>%1: romaji become kana. Enter to commit, Esc to cancel</translation>
    </message>
</context>
<context>
    <name>quindaro2::EmulatorDialog</name>
    <message>
        <location filename="../src/gui/app/EmulatorDialog.cpp" line="23"/>
        <source>エミュレータの設定</source>
        <translation>Emulator Settings</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EmulatorDialog.cpp" line="30"/>
        <source>参照(&amp;B)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EmulatorDialog.cpp" line="32"/>
        <source>エミュレータのプログラム</source>
        <translation>Emulator program</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EmulatorDialog.cpp" line="41"/>
        <source>プログラム(&amp;P)：</source>
        <translation>&amp;Program:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EmulatorDialog.cpp" line="42"/>
        <source>引数(&amp;A)：</source>
        <translation>&amp;Arguments:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/EmulatorDialog.cpp" line="43"/>
        <source>%f は試し用のROMのコピーになります（ROMファイルそのものは渡しません）．</source>
        <translation>%f becomes a copy of the ROM to try (never the ROM file itself).</translation>
    </message>
</context>
<context>
    <name>quindaro2::LeagueView</name>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="46"/>
        <source>名前(&amp;N)：</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="48"/>
        <source>かな、またはローマ字</source>
        <translation>kana or romaji</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="52"/>
        <source>チーム</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="54"/>
        <source>表</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="55"/>
        <source>比較...(&amp;C)</source>
        <translation>&amp;Compare...</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="56"/>
        <source>違う選手だけ(&amp;D)</source>
        <translation>Only &amp;differing players</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="78"/>
        <source>リーグ</source>
        <translation>League</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="111"/>
        <source>全チーム</source>
        <translation>All teams</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="112"/>
        <source>全選手</source>
        <translation>All players</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="133"/>
        <source>ROM が開かれていません</source>
        <translation>No ROM is open</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gui/league/LeagueView.cpp" line="156"/>
        <source>%n人</source>
        <translation>
            <numerusform>%n player</numerusform>
            <numerusform>%n players</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gui/league/LeagueView.cpp" line="158"/>
        <source>（違うセル %n）</source>
        <translation>
            <numerusform> (%n cell differs)</numerusform>
            <numerusform> (%n cells differ)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="164"/>
        <source>比べる ROM かパッチ</source>
        <translation>ROM or patch to compare with</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="165"/>
        <source>ROM とパッチ (*.nes *.ips *.bps);;すべてのファイル (*)</source>
        <translation>ROMs and patches (*.nes *.ips *.bps);;All files (*)</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="169"/>
        <source>比較</source>
        <translation>Compare</translation>
    </message>
    <message>
        <location filename="../src/gui/league/LeagueView.cpp" line="169"/>
        <source>比べられません．
%1</source>
        <translation>Cannot compare.
%1</translation>
    </message>
</context>
<context>
    <name>quindaro2::RecentFilesMenu</name>
    <message>
        <location filename="../src/gui/app/RecentFilesMenu.cpp" line="47"/>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>quindaro2::TAboutForm</name>
    <message>
        <location filename="../src/gui/dialogs/TAboutForm.cpp" line="25"/>
        <source>QUINDARO2について</source>
        <translation>About QUINDARO2</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TAboutForm.cpp" line="31"/>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TAboutForm.cpp" line="32"/>
        <source>QUINDARO2 開発チーム</source>
        <translation>The QUINDARO2 developers</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TAboutForm.cpp" line="38"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quindaro2::TColorForm</name>
    <message>
        <location filename="../src/gui/edit/TColorForm.cpp" line="38"/>
        <source>色の選択</source>
        <translation>Choose a Colour</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TColorForm.cpp" line="49"/>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TColorForm.cpp" line="51"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>quindaro2::THistoryForm</name>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="21"/>
        <source>・編集の取り消しとやり直し</source>
        <translation>• Undo and redo of every edit</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="22"/>
        <source>・ROMの版を推定して提案</source>
        <translation>• Guesses and proposes a ROM&apos;s edition</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="23"/>
        <source>・出力した選手データを表計算ソフトで直して取り込み</source>
        <translation>• Imports player data edited in a spreadsheet</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="24"/>
        <source>・IPS・BPS パッチとして保存</source>
        <translation>• Saves edits as an IPS or BPS patch</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="25"/>
        <source>・各版のサンプルROMを開く</source>
        <translation>• Opens a sample ROM of any edition</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="26"/>
        <source>・最近開いたファイルと設定を記憶</source>
        <translation>• Remembers recent files and settings</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="27"/>
        <source>・英語の画面</source>
        <translation>• English user interface</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="28"/>
        <source>・保存でファイルの権限、所有者、リンクを保つ</source>
        <translation>• Saving keeps a file&apos;s mode, owner and links</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="29"/>
        <source>・ほかのプログラムが変更したチームは上書きの前に確認</source>
        <translation>• Asks before overwriting a team changed elsewhere</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="34"/>
        <source>・最初の公開版</source>
        <translation>• First public release</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="35"/>
        <source>・86～94の各版のROMを開いて編集</source>
        <translation>• Opens and edits ROMs of editions 86 to 94</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="36"/>
        <source>・バッター、ピッチャー、監督を表で表示</source>
        <translation>• Batters, pitchers and managers in tables</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="37"/>
        <source>・名前、打席、投法、能力値の編集</source>
        <translation>• Edits names, batting sides, forms, ratings</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="38"/>
        <source>・守備位置、背番号、ユニフォームの編集</source>
        <translation>• Edits positions, numbers and uniforms</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="39"/>
        <source>・帽子とユニフォームの色の変更</source>
        <translation>• Changes cap and uniform colours</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="40"/>
        <source>・行のドラッグで選手を並べ替え</source>
        <translation>• Reorders players by dragging rows</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="41"/>
        <source>・チームの平均打率、総本塁打などを表示</source>
        <translation>• Shows team averages and home runs</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="42"/>
        <source>・保存は一括置き換え（失敗しても元のまま）</source>
        <translation>• Saves in one step (unchanged on failure)</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="43"/>
        <source>・別の名前での保存</source>
        <translation>• Saves under another name</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="44"/>
        <source>・チーム切り替え時に未保存の変更を確認</source>
        <translation>• Asks about unsaved edits on a team switch</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="45"/>
        <source>・全チームの選手データをコンマ区切りで出力</source>
        <translation>• Exports all players as comma-separated text</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="46"/>
        <source>・出力先は1ファイルかチームごとを選択</source>
        <translation>• Exports to one file or one file per team</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="65"/>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="68"/>
        <source>更新履歴</source>
        <translation>Release History</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="82"/>
        <source>QUINDARO2 更新履歴</source>
        <translation>QUINDARO2 release history</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/THistoryForm.cpp" line="84"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quindaro2::TImportForm</name>
    <message>
        <location filename="../src/gui/dialogs/TImportForm.cpp" line="16"/>
        <source>選手データ取込</source>
        <translation>Import Player Data</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TImportForm.cpp" line="37"/>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TImportForm.cpp" line="73"/>
        <source>
ROMファイルに書き込みますか？</source>
        <translation>
Write these changes to the ROM file?</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TImportForm.cpp" line="75"/>
        <source>書き込む(&amp;W)</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TImportForm.cpp" line="75"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quindaro2::TListForm</name>
    <message>
        <location filename="../src/gui/edit/TListForm.cpp" line="28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TListForm.cpp" line="31"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>quindaro2::TMainForm</name>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="139"/>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="140"/>
        <source>開く...(&amp;O)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="142"/>
        <source>サンプルROMを開く(&amp;D)...</source>
        <translation>Open Sa&amp;mple ROM...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="144"/>
        <source>保存...(&amp;S)</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="146"/>
        <source>名前を付けて保存...(&amp;A)</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="148"/>
        <source>パッチとして保存(&amp;P)...</source>
        <translation>Save as &amp;Patch...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="149"/>
        <source>選手データ取込(&amp;I)...</source>
        <translation>&amp;Import Player Data...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="150"/>
        <source>エミュレータで試す(&amp;T)</source>
        <translation>&amp;Try in Emulator</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="152"/>
        <source>エミュレータの設定(&amp;M)...</source>
        <translation>&amp;Emulator Settings...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="153"/>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="160"/>
        <source>出力(&amp;O)</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="161"/>
        <source>選手データ出力(&amp;P)...</source>
        <translation>Export &amp;Player Data...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="163"/>
        <source>情報(&amp;I)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="164"/>
        <source>ヘルプ(&amp;M)...</source>
        <translation>He&amp;lp...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="169"/>
        <source>履歴(&amp;H)...</source>
        <translation>Release &amp;History...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="170"/>
        <source>バージョン(&amp;V)...</source>
        <translation>&amp;About QUINDARO2...</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="186"/>
        <source>平均打率：</source>
        <translation>Batting avg.:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="187"/>
        <source>総本塁打：</source>
        <translation>Home runs:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="188"/>
        <source>平均走力：</source>
        <translation>Avg. speed:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="189"/>
        <source>平均防御率：</source>
        <translation>Avg. ERA:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="195"/>
        <source>チーム：</source>
        <translation>Team:</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="207"/>
        <source>帽子の色</source>
        <translation>Cap Colour</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="209"/>
        <source>ユニフォームの色</source>
        <translation>Uniform Colour</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="257"/>
        <source>リーグ</source>
        <translation>League</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="257"/>
        <source>チーム比較</source>
        <translation>Teams</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="439"/>
        <source>帽子の色 %1</source>
        <translation>Cap colour %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="440"/>
        <source>ユニフォームの色 %1</source>
        <translation>Uniform colour %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="473"/>
        <source>エミュレータで試せませんでした．
%1</source>
        <translation>Could not try in the emulator.
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="476"/>
        <source>エミュレータを起動しました（編集中のデータのコピーで試しています）．</source>
        <translation>The emulator was started (on a copy of the data as edited).</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="519"/>
        <source>%1年版</source>
        <translation>%1 edition</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="520"/>
        <source>ROMを開くには F1（ファイル → 開く）、見本は ファイル → サンプルROMを開く</source>
        <translation>To open a ROM press F1 (File → Open); for a sample, File → Open Sample ROM</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="365"/>
        <source>サンプルROMを作れませんでした．
%1</source>
        <translation>Could not make the sample ROM.
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="369"/>
        <source>サンプルROMの場所：%1</source>
        <translation>Sample ROM: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="570"/>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="623"/>
        <source>%1 が見つかりません．</source>
        <translation>Cannot find %1.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TMainForm.cpp" line="634"/>
        <source>%1 が見つかりません．最近開いたファイルの一覧から外しました．</source>
        <translation>Cannot find %1. It has been removed from the recent files.</translation>
    </message>
</context>
<context>
    <name>quindaro2::TNameForm</name>
    <message>
        <location filename="../src/gui/edit/TNameForm.cpp" line="49"/>
        <source>選手名の入力</source>
        <translation>Enter Player Name</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TNameForm.cpp" line="72"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TNameForm.cpp" line="74"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TNameForm.cpp" line="81"/>
        <source>1行で(&amp;L)：</source>
        <translation>In one &amp;line:</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TNameForm.cpp" line="176"/>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>quindaro2::TOutputForm</name>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="23"/>
        <source>コンマ区切り(*.txt)</source>
        <translation>Comma-separated text (*.txt)</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="23"/>
        <source>その他(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="24"/>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="40"/>
        <source>データ出力</source>
        <translation>Export Player Data</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="45"/>
        <source>保存（ベース）ファイル名：</source>
        <translation>File to write (base name for per-team files):</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="57"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="58"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="64"/>
        <source>出力ファイルの設定</source>
        <translation>Output files</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="69"/>
        <source>全チーム共通</source>
        <translation>One file</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="69"/>
        <source>チームごと</source>
        <translation>File per team</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="120"/>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../src/gui/dialogs/TOutputForm.cpp" line="121"/>
        <source>出力するファイルが選ばれていません．「...」ボタンでファイルを選んでください．</source>
        <translation>No file has been chosen for the export. Choose one with the &quot;...&quot; button.</translation>
    </message>
</context>
<context>
    <name>quindaro2::TValueForm</name>
    <message>
        <location filename="../src/gui/edit/TValueForm.cpp" line="51"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TValueForm.cpp" line="53"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TValueForm.cpp" line="73"/>
        <source>（%1～%2）</source>
        <translation>(%1 to %2)</translation>
    </message>
    <message>
        <location filename="../src/gui/edit/TValueForm.cpp" line="112"/>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>quindaro2::TVersionForm</name>
    <message>
        <location filename="../src/gui/app/TVersionForm.cpp" line="26"/>
        <source>バージョン選択</source>
        <translation>Choose Edition</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TVersionForm.cpp" line="29"/>
        <source>バージョン</source>
        <translation>Edition</translation>
    </message>
    <message>
        <location filename="../src/gui/app/TVersionForm.cpp" line="49"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quindaro2::TeamsView</name>
    <message>
        <location filename="../src/gui/league/TeamsView.cpp" line="64"/>
        <source>チームの比較</source>
        <translation>Teams side by side</translation>
    </message>
    <message>
        <location filename="../src/gui/league/TeamsView.cpp" line="70"/>
        <source>グラフ(&amp;G)：</source>
        <translation>&amp;Chart:</translation>
    </message>
    <message>
        <location filename="../src/gui/league/TeamsView.cpp" line="107"/>
        <source>グラフを表示できません：%1</source>
        <translation>The chart cannot be shown: %1</translation>
    </message>
</context>
</TS>
