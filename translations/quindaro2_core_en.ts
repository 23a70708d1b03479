<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BpsPatch</name>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="30"/>
        <source>パッチが壊れています（%1）</source>
        <translation>The patch is damaged (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="99"/>
        <source>変更後のファイルが大きすぎて BPS パッチにできません（64 MiB まで）</source>
        <translation>The modified file is too large for a BPS patch (64 MiB at most)</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="117"/>
        <source>BPS パッチではありません</source>
        <translation>This is not a BPS patch</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="119"/>
        <source>短すぎます</source>
        <translation>too short</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="122"/>
        <source>パッチの CRC32 が合いません</source>
        <translation>the patch&apos;s CRC32 does not match</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="129"/>
        <source>ヘッダーが読めません</source>
        <translation>unreadable header</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="132"/>
        <source>このパッチは別の ROM のためのものです（元のファイルの大きさか CRC32 が合いません）</source>
        <translation>This patch is for another ROM (the size or the CRC32 of the original file does not match)</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="134"/>
        <source>出来上がるファイルが 64 MiB を超えます</source>
        <translation>the result would exceed 64 MiB</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="136"/>
        <location filename="../src/core/patch/BpsPatch.cpp" line="148"/>
        <location filename="../src/core/patch/BpsPatch.cpp" line="161"/>
        <source>途中で切れています</source>
        <translation>cut off</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="151"/>
        <source>出来上がるファイルの大きさを超えて書き込みます</source>
        <translation>writes past the end of the result</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="156"/>
        <location filename="../src/core/patch/BpsPatch.cpp" line="170"/>
        <source>元のファイルの外を読みます</source>
        <translation>reads outside the original file</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="167"/>
        <location filename="../src/core/patch/BpsPatch.cpp" line="178"/>
        <source>コピー元の位置が読めません</source>
        <translation>unreadable copy offset</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="181"/>
        <source>まだ書かれていない位置からコピーします</source>
        <translation>copies from a part not yet written</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="192"/>
        <source>出来上がるファイルが途中までしか書かれません</source>
        <translation>leaves the result incomplete</translation>
    </message>
    <message>
        <location filename="../src/core/patch/BpsPatch.cpp" line="194"/>
        <source>出来上がったファイルの CRC32 が合いません</source>
        <translation>the result&apos;s CRC32 does not match</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="26"/>
        <source>%1～%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="35"/>
        <source>%1の %2 列 %3 行目のセルはありません</source>
        <translation>%1: there is no cell at column %2, row %3</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="52"/>
        <source>「%1」の値 %2 は範囲外です。範囲：%3</source>
        <translation>Value %2 for &quot;%1&quot; is out of range. Range: %3</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="53"/>
        <source>「%1」の値「%2」は整数ではありません。範囲：%3</source>
        <translation>Value &quot;%2&quot; for &quot;%1&quot; is not a whole number. Range: %3</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="70"/>
        <location filename="../src/core/edit/CellEdit.cpp" line="141"/>
        <source>%1の%2行目のデータは ROM ファイルから読み込めませんでした（%3）</source>
        <translation>%1, row %2: the data could not be read from the ROM file (%3)</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="173"/>
        <source>%1の %2 行目に変えるセルがありません</source>
        <translation>Row %2 of the %1 has no cell to change</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="245"/>
        <source>チームの色を読み込めません（%1）</source>
        <translation>Cannot read the team colours (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="264"/>
        <source>%1 %2 は %3 として記録されます</source>
        <translation>%1 %2 is stored as %3</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="110"/>
        <source>「%1」に「%2」は選べません。選べるもの：%3</source>
        <translation>%1: &quot;%2&quot; cannot be chosen. Choices: &quot;%3&quot;</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="109"/>
        <source>、</source>
        <extracomment>Between the texts offered, which the refusal shows as one.</extracomment>
        <translation>&quot;, &quot;</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="203"/>
        <source>%1の %2 行目を %3 行目へは動かせません</source>
        <translation>%1: row %2 cannot be moved to row %3</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="205"/>
        <source>%1の %2 行目はそこにあります</source>
        <translation>%1: row %2 is already there</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="228"/>
        <source>%1の %2 行目を %3 行目へは動かせません：%4</source>
        <translation>Row %2 of %1 cannot be moved to row %3: %4</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellEdit.cpp" line="241"/>
        <source>色コード %1 はパレットにありません（0～%2）</source>
        <translation>Colour code %1 is not in the palette (0–%2)</translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message>
        <location filename="../src/core/edit/CellPaste.cpp" line="47"/>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellPaste.cpp" line="83"/>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <location filename="../src/core/edit/CellPaste.cpp" line="86"/>
        <source>%1 行 %2 列「%3」：%4</source>
        <translation>row %1, column %2 &quot;%3&quot;: %4</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <location filename="../src/core/document/Change.cpp" line="47"/>
        <source>%1の変更</source>
        <translation>Change %1</translation>
    </message>
    <message>
        <location filename="../src/core/document/Change.cpp" line="49"/>
        <source>行の移動</source>
        <translation>Move row</translation>
    </message>
    <message>
        <location filename="../src/core/document/Change.cpp" line="51"/>
        <source>帽子の色の変更</source>
        <translation>Change cap colour</translation>
    </message>
    <message>
        <location filename="../src/core/document/Change.cpp" line="52"/>
        <source>ユニフォームの色の変更</source>
        <translation>Change uniform colour</translation>
    </message>
    <message>
        <location filename="../src/core/document/Change.cpp" line="54"/>
        <source>選手データ取込</source>
        <translation>Import Player Data</translation>
    </message>
</context>
<context>
    <name>ChoiceList</name>
    <message>
        <location filename="../src/core/edition/ChoiceList.cpp" line="33"/>
        <source>打席</source>
        <translation>Batting side</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ChoiceList.cpp" line="38"/>
        <source>投法</source>
        <translation>Pitching form</translation>
    </message>
</context>
<context>
    <name>ColumnHint</name>
    <message>
        <location filename="../src/core/edition/BatterColumns.cpp" line="11"/>
        <source>(内野手:1-3&#x3000;外野手:4-6&#x3000;捕手:7<byte value="xd"/>)（他の値でも動作可能)</source>
        <translation>(infield 1-3, outfield 4-6, catcher 7;<byte value="xd"/>other values work too)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTables.h" line="49"/>
        <source>(10=DH,11=監督)</source>
        <translation>(10=DH, 11=manager)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTables.h" line="54"/>
        <source>(101以降は下二桁のみ反映)</source>
        <translation>(from 101 on, only the last two digits count)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/PitcherColumns.cpp" line="11"/>
        <source>(8-10)<byte value="xd"/>（他の値でも動作可能)</source>
        <translation>(8-10;<byte value="xd"/>other values work too)</translation>
    </message>
</context>
<context>
    <name>ColumnTip</name>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="18"/>
        <source>選手の名前．ローマ字でも入力できます</source>
        <translation>The player&apos;s name. Romaji can be typed too</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="19"/>
        <source>試合で使われる打率（打つ力）</source>
        <translation>The average used in play (batting strength)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="20"/>
        <source>画面に表示されるだけの打率（実打率とは別）</source>
        <translation>The average only shown on screen (apart from the actual average)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="21"/>
        <source>試合で使われる本塁打の力</source>
        <translation>The home-run power used in play</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="22"/>
        <source>画面に表示されるだけの本塁打数（実本塁打とは別）</source>
        <translation>The home runs only shown on screen (apart from the actual home runs)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="23"/>
        <source>100 倍した値で入力します（270 は 2.70）</source>
        <translation>Entered times 100 (270 means 2.70)</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="37"/>
        <source>選べるもの：%1</source>
        <extracomment>Between the texts offered.</extracomment>
        <translation>Choices: %1</translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="37"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/core/edition/ColumnTip.cpp" line="39"/>
        <source>範囲：%1～%2</source>
        <translation>Range: %1 to %2</translation>
    </message>
</context>
<context>
    <name>CsvFields</name>
    <message>
        <location filename="../src/core/import/CsvFields.cpp" line="28"/>
        <source>引用符 &quot; が閉じていません</source>
        <translation>A quotation mark &quot; is not closed</translation>
    </message>
    <message>
        <location filename="../src/core/import/CsvFields.cpp" line="40"/>
        <source>閉じた引用符 &quot; の後にコンマ以外の文字があります</source>
        <translation>A closing quotation mark &quot; is followed by something other than a comma</translation>
    </message>
</context>
<context>
    <name>Edition</name>
    <message>
        <location filename="../src/core/edition/Edition.h" line="28"/>
        <location filename="../src/core/edition/Edition.h" line="34"/>
        <source>%1～%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <location filename="../src/core/edition/Edition.h" line="40"/>
        <source>%1 は版ではありません（%2）</source>
        <translation>%1 is not an edition (%2)</translation>
    </message>
</context>
<context>
    <name>EditionDetection</name>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="38"/>
        <source>NES の ROM イメージの印（先頭の「NES」）がありません</source>
        <translation>The file lacks the mark of an NES ROM image (&quot;NES&quot; at its start)</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="41"/>
        <source>ファイル（%1 バイト）がヘッダーの示す大きさ（%2 バイト）より短く、途中で切れています</source>
        <translation>The file (%1 bytes) is shorter than its header declares (%2 bytes): it is cut off</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="53"/>
        <source>どの版としても読めません（最高は %1年版の %2）</source>
        <translation>It reads as no edition (the best is the %1 edition with %2)</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="57"/>
        <source>%1年版（%2）と %3年版（%4）の区別がつきません</source>
        <translation>The %1 edition (%2) and the %3 edition (%4) cannot be told apart</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="74"/>
        <source>比べる版がありません</source>
        <translation>There are no editions to compare</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="112"/>
        <source>推定：%1年版</source>
        <translation>Probably the %1 edition</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="112"/>
        <source>推定できません</source>
        <translation>Edition not detected</translation>
    </message>
    <message>
        <location filename="../src/core/detect/EditionDetection.cpp" line="117"/>
        <source>推定は%1年版です。選んだ版と違います</source>
        <translation>The guess is the %1 edition. It differs from the chosen one</translation>
    </message>
</context>
<context>
    <name>EditionName</name>
    <message>
        <location filename="../src/core/edition/EditionName.cpp" line="26"/>
        <source>版は %1 または %2 で指定してください：%3</source>
        <translation>Give the edition as %1 or %2: %3</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="99"/>
        <source>ROMファイルを開けません．
%1</source>
        <translation>Cannot open the ROM file.
%1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="110"/>
        <source>%1 を開けません．
%2</source>
        <translation>Cannot open %1.
%2</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="204"/>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="205"/>
        <source>ROMファイルから読み込めないデータがあります．ファイルと版の選択を確かめてください．

</source>
        <translation>Some data could not be read from the ROM file. Check the file and the chosen edition.

</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="219"/>
        <source>%1 に保存しました．</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="237"/>
        <source>パッチのファイル名は .ips か .bps で終わる必要があります：%1</source>
        <translation>A patch file name must end in .ips or .bps: %1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="241"/>
        <source>パッチを書き込めませんでした．
%1</source>
        <translation>Could not write the patch.
%1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="244"/>
        <source>%1 にパッチを書き込みました．ROM ファイルは変わっていません．</source>
        <translation>Wrote the patch to %1. The ROM file is unchanged.</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="272"/>
        <source>選手データを出力できませんでした．
%1</source>
        <translation>Could not export the player data.
%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/session/EditorSession.cpp" line="276"/>
        <source>選手データを %n 個のファイルに出力しました．</source>
        <translation>
            <numerusform>Exported the player data to %n file.</numerusform>
            <numerusform>Exported the player data to %n files.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="306"/>
        <source>選手データを取り込めませんでした．
%1</source>
        <translation>Could not import the player data.
%1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="317"/>
        <source>選手データを取り込んで %1 に保存しました．</source>
        <translation>Imported the player data and saved %1.</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="346"/>
        <source>ROMが開かれていません</source>
        <translation>No ROM is open</translation>
    </message>
    <message>
        <location filename="../src/core/session/EditorSession.cpp" line="369"/>
        <source>貼り付けられないセルがあるため、何も変えていません．

</source>
        <translation>Some cells cannot be pasted, so nothing was changed.

</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/session/EditorSession.cpp" line="379"/>
        <source>%n 行を貼り付けました．</source>
        <translation>
            <numerusform>Pasted %n row.</numerusform>
            <numerusform>Pasted %n rows.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EmulatorTry</name>
    <message>
        <location filename="../src/core/session/EmulatorTry.cpp" line="41"/>
        <source>引数の引用符 &quot; が閉じていません：%1</source>
        <translation>A quote &quot; in the arguments is not closed: %1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EmulatorTry.cpp" line="52"/>
        <source>エミュレータのプログラムが設定されていません</source>
        <translation>No emulator program is set</translation>
    </message>
    <message>
        <location filename="../src/core/session/EmulatorTry.cpp" line="75"/>
        <source>試し用のフォルダを作れません：%1</source>
        <translation>Cannot make the folder for tries: %1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EmulatorTry.cpp" line="83"/>
        <source>試し用のコピーを書き込めません：%1</source>
        <translation>Cannot write the copy to try: %1</translation>
    </message>
    <message>
        <location filename="../src/core/session/EmulatorTry.cpp" line="89"/>
        <source>エミュレータ %1 を起動できません：%2</source>
        <translation>Cannot start the emulator %1: %2</translation>
    </message>
</context>
<context>
    <name>FieldCodec</name>
    <message>
        <location filename="../src/core/roster/FieldCodec.cpp" line="48"/>
        <source>「%1」の %2 番目の選択肢はこの版にありません</source>
        <translation>Choice %2 of &quot;%1&quot; does not exist in this edition</translation>
    </message>
    <message>
        <location filename="../src/core/roster/FieldCodec.cpp" line="53"/>
        <source>「%1」は数値の列ではありません</source>
        <translation>&quot;%1&quot; is not a number column</translation>
    </message>
    <message>
        <location filename="../src/core/roster/FieldCodec.cpp" line="84"/>
        <source>%1年版のこの表にはその列がありません</source>
        <translation>This table of the %1 edition has no such column</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <location filename="../src/core/file/WriteSteps.cpp" line="51"/>
        <source>%1 に書き込めません（%2）。%1 は元のままです</source>
        <translation>Cannot write %1 (%2). %1 is unchanged</translation>
    </message>
    <message>
        <location filename="../src/core/file/WriteSteps.cpp" line="56"/>
        <source>%1 を作れません（%2）。何も書き込んでいません</source>
        <translation>Cannot create %1 (%2). Nothing was written</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="60"/>
        <location filename="../src/core/file/FileWriter.cpp" line="65"/>
        <source>%1 に書き込めません（%2）</source>
        <translation>Cannot write %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/core/file/InPlaceWrite.cpp" line="84"/>
        <source>%1 の前の保存が終わっていません：バックアップ %2 が残っています。%1 にはその保存の一部しか入っていないかもしれません。2つを比べて正しい方を残し、%2 を消してから保存してください</source>
        <translation>An earlier save of %1 did not finish: its backup %2 is still there, and %1 may hold only part of that save. Compare the two, keep the right one and remove %2 before saving</translation>
    </message>
    <message>
        <location filename="../src/core/file/InPlaceWrite.cpp" line="124"/>
        <source>バックアップを作れません：%1</source>
        <translation>cannot make a backup: %1</translation>
    </message>
    <message>
        <location filename="../src/core/file/InPlaceWrite.cpp" line="130"/>
        <source>%1 には新しいデータを書き込みましたが、元のデータのバックアップ %2 を消せません（%3）。%2 を消してください</source>
        <translation>%1 holds the new data, but the backup of its old data, %2, cannot be removed (%3). Please remove %2</translation>
    </message>
    <message>
        <location filename="../src/core/file/InPlaceWrite.cpp" line="139"/>
        <source>%1 に書き込めません（%2）。%1 は元のままですが、そのバックアップ %3 を消せません</source>
        <translation>Cannot write %1 (%2). %1 is unchanged, but its backup %3 cannot be removed</translation>
    </message>
    <message>
        <location filename="../src/core/file/InPlaceWrite.cpp" line="143"/>
        <source>%1 に書き込めません（%2）。元のデータはバックアップ %3 にあります</source>
        <translation>Cannot write %1 (%2). The original data are in the backup %3</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="29"/>
        <source>書き込み先のファイル名が空です</source>
        <translation>The name of the file to write is empty</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="141"/>
        <source>%1。ほかのファイルにも何も書き込んでいません</source>
        <translation>%1. No other file was written either</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="147"/>
        <source>、</source>
        <extracomment>Between the names of files in a list.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="149"/>
        <source>%1。書き込んだファイル：%2</source>
        <translation>%1. Written: %2</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="150"/>
        <source>%1。書き込んだファイル：%2。元のままのファイル：%3</source>
        <translation>%1. Written: %2. Kept their old bytes: %3</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="185"/>
        <source>%1 は既にあります。上書きしません</source>
        <translation>%1 already exists; it is not overwritten</translation>
    </message>
    <message>
        <location filename="../src/core/file/FileWriter.cpp" line="270"/>
        <source>%1 は通常のファイルではありません（FIFO、デバイス、フォルダなど）。保存先には通常のファイルか新しい名前を選んでください</source>
        <translation>%1 is not a regular file (a FIFO, a device, a folder...). Choose a regular file or a new name to save into</translation>
    </message>
</context>
<context>
    <name>GridFill</name>
    <message>
        <location filename="../src/core/roster/GridFill.cpp" line="21"/>
        <source>バッターデータにエラーの可能性があります．</source>
        <translation>The batter data may contain errors.</translation>
    </message>
    <message>
        <location filename="../src/core/roster/GridFill.cpp" line="22"/>
        <source>ピッチャーデータにエラーの可能性があります．</source>
        <translation>The pitcher data may contain errors.</translation>
    </message>
    <message>
        <location filename="../src/core/roster/GridFill.cpp" line="23"/>
        <source>監督データにエラーの可能性があります．</source>
        <translation>The manager data may contain errors.</translation>
    </message>
    <message>
        <location filename="../src/core/roster/GridFill.cpp" line="43"/>
        <source>%1の%2行目：%3</source>
        <translation>%1, row %2: %3</translation>
    </message>
    <message>
        <location filename="../src/core/roster/GridFill.cpp" line="81"/>
        <source>チームの色：%1</source>
        <translation>Team colours: %1</translation>
    </message>
</context>
<context>
    <name>GridName</name>
    <message>
        <location filename="../src/core/roster/GridName.h" line="14"/>
        <source>バッター</source>
        <translation>Batters</translation>
    </message>
    <message>
        <location filename="../src/core/roster/GridName.h" line="15"/>
        <source>ピッチャー</source>
        <translation>Pitchers</translation>
    </message>
    <message>
        <location filename="../src/core/roster/GridName.h" line="16"/>
        <source>監督</source>
        <translation>Manager</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <location filename="../src/core/import/ImportFile.cpp" line="20"/>
        <source>%1 を読み込めません（%2）</source>
        <translation>Cannot read %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportFile.cpp" line="23"/>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
</context>
<context>
    <name>ImportIntoRom</name>
    <message>
        <location filename="../src/core/import/ImportIntoRom.cpp" line="46"/>
        <source>ROM ファイルです。パッチの書き込み先には使えません</source>
        <translation>This is the ROM file; the patch cannot be written into it</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportIntoRom.cpp" line="49"/>
        <source>取り込むテキストファイルです。ROM の書き込み先には使えません</source>
        <translation>This is a text file to import; the ROM cannot be written into it</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="38"/>
        <source>%1チーム（%2つ目）</source>
        <translation>team %1 (no. %2)</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="36"/>
        <source>%1チーム</source>
        <translation>team %1</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="43"/>
        <source>%1 %2 %3「%4」 %5：%6 → %7</source>
        <translation>%1, %2 %3 &quot;%4&quot;, &quot;%5&quot;: %6 → %7</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="53"/>
        <source> %1 行目</source>
        <translation> line %1</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="55"/>
        <source> %1「%2」</source>
        <translation> &quot;%1&quot; = &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="57"/>
        <source>「%1」</source>
        <translation> &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="58"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/import/ImportReport.cpp" line="21"/>
        <source>%n チーム</source>
        <translation>
            <numerusform>%n team</numerusform>
            <numerusform>%n teams</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/import/ImportReport.cpp" line="26"/>
        <source>%n セル</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/import/ImportReport.cpp" line="64"/>
        <source>取り込めないところが %n か所あります。何も書き込みません</source>
        <translation>
            <numerusform>%n problem found; nothing will be written</numerusform>
            <numerusform>%n problems found; nothing will be written</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="67"/>
        <source>%1を読みました。変わるセルはありません</source>
        <translation>Read %1; no cell changes</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="73"/>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="74"/>
        <source>%1を読みました。%2の %3が変わります（%4）</source>
        <translation>Read %1; changes to %3 in %2 (%4)</translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="76"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/core/import/ImportReport.cpp" line="86"/>
        <source>ほか %n か所（最初の %1 か所だけを示しています）</source>
        <translation>
            <numerusform>%n more place (only the first %1 are shown)</numerusform>
            <numerusform>%n more places (only the first %1 are shown)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/core/import/ImportReport.cpp" line="93"/>
        <source>注意：%1</source>
        <translation>Note: %1</translation>
    </message>
</context>
<context>
    <name>IpsPatch</name>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="37"/>
        <source>パッチが壊れています（IPS パッチが途中で切れています）</source>
        <translation>The patch is damaged (the IPS patch is cut off)</translation>
    </message>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="161"/>
        <source>IPS パッチには 16 MiB より後ろの変更を記録できません（オフセット %1）。BPS で作ってください</source>
        <translation>An IPS patch cannot hold changes beyond 16 MiB (offset %1). Make a BPS patch instead</translation>
    </message>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="245"/>
        <source>IPS パッチには 16 MiB を超える大きさへの切り詰めを記録できません。BPS で作ってください</source>
        <translation>An IPS patch cannot truncate to a size beyond 16 MiB. Make a BPS patch instead</translation>
    </message>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="254"/>
        <source>IPS パッチではありません</source>
        <translation>This is not an IPS patch</translation>
    </message>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="268"/>
        <source>このパッチを当てると %1 バイトになり、ROM の大きさの上限（16 MiB）を超えます</source>
        <translation>Applied, this patch would give %1 bytes, more than a ROM can have (16 MiB)</translation>
    </message>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="287"/>
        <source>このパッチはこの ROM に合いません（切り詰める大きさ %1 バイトがファイルより大きい）</source>
        <translation>This patch does not fit this ROM (it truncates to %1 bytes, more than the file has)</translation>
    </message>
    <message>
        <location filename="../src/core/patch/IpsPatch.cpp" line="290"/>
        <source>パッチが壊れています（IPS パッチの終わりの後に余分なデータがあります）</source>
        <translation>The patch is damaged (there are extra data after the end of the IPS patch)</translation>
    </message>
</context>
<context>
    <name>LeagueComparison</name>
    <message>
        <location filename="../src/core/league/LeagueComparison.cpp" line="46"/>
        <source>%1 は ROM としては大きすぎます</source>
        <translation>%1 is too large for a ROM</translation>
    </message>
</context>
<context>
    <name>LeagueTableModel</name>
    <message>
        <location filename="../src/core/league/LeagueTableModel.cpp" line="160"/>
        <source>開いている ROM：%1
比べる ROM：%2</source>
        <translation>Opened ROM: %1
Compared with: %2</translation>
    </message>
    <message>
        <location filename="../src/core/league/LeagueTableModel.cpp" line="169"/>
        <source>チーム</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../src/core/league/LeagueTableModel.cpp" line="170"/>
        <source>表</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../src/core/league/LeagueTableModel.cpp" line="171"/>
        <source>行</source>
        <translation>Row</translation>
    </message>
</context>
<context>
    <name>NameProblem</name>
    <message>
        <location filename="../src/core/edit/NameProblem.cpp" line="35"/>
        <source>名前「%1」は長すぎます（%2年版の名前は %3 文字まで）</source>
        <translation>The name &quot;%1&quot; is too long (names of the %2 edition have at most %3 characters)</translation>
    </message>
    <message>
        <location filename="../src/core/edit/NameProblem.cpp" line="38"/>
        <source>名前「%1」の「%2」は%3年版の名前に使えません。使える文字：%4</source>
        <translation>&quot;%2&quot; in the name &quot;%1&quot; cannot be used in names of the %3 edition. Usable characters: &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <location filename="../src/core/patch/Patch.cpp" line="50"/>
        <source>パッチの形式が分かりません（IPS でも BPS でもありません）</source>
        <translation>Unknown patch format (neither IPS nor BPS)</translation>
    </message>
</context>
<context>
    <name>PlayerExport</name>
    <message>
        <location filename="../src/core/export/PlayerExport.cpp" line="36"/>
        <source>バッター</source>
        <translation>batter</translation>
    </message>
    <message>
        <location filename="../src/core/export/PlayerExport.cpp" line="36"/>
        <source>ピッチャー</source>
        <translation>pitcher</translation>
    </message>
    <message>
        <location filename="../src/core/export/PlayerExport.cpp" line="50"/>
        <source>%1 のチーム %2 の%3 %4 人目を読み込めません（%5）</source>
        <translation>Cannot read %3 %4 of team %2 in %1 (%5)</translation>
    </message>
    <message>
        <location filename="../src/core/export/PlayerExport.cpp" line="140"/>
        <source>出力ファイルが選ばれていません</source>
        <translation>No file to export to is chosen</translation>
    </message>
    <message>
        <location filename="../src/core/export/PlayerExport.cpp" line="143"/>
        <source>%1年版の文字を Shift-JIS に変換できません</source>
        <translation>The characters of the %1 edition cannot be converted to Shift-JIS</translation>
    </message>
    <message>
        <location filename="../src/core/export/PlayerExport.cpp" line="194"/>
        <source>%1 は開いている ROM ファイルです。ROM を壊さないよう、出力先には使えません</source>
        <translation>%1 is the open ROM file; to keep the ROM intact, the export cannot be written into it</translation>
    </message>
</context>
<context>
    <name>PlayerImport</name>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="86"/>
        <source>「タイプ」は 16 × タイプ + 守備位置 の値です（0～255 の整数）</source>
        <translation>&quot;タイプ&quot; holds 16 × type + position (a whole number 0–255)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="87"/>
        <source>「タイプ」は 16 × タイプ + 1 の値です（0～255 の整数）</source>
        <translation>&quot;タイプ&quot; holds 16 × type + 1 (a whole number 0–255)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="89"/>
        <source>ピッチャーの「タイプ」は 16 × タイプ + 1 の値です（%1 なら %2）</source>
        <translation>A pitcher&apos;s &quot;タイプ&quot; holds 16 × type + 1 (%2 rather than %1)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="101"/>
        <source>「タイプ」%1 の守備位置の部分 %2 が「守備位置」%3 と違います（%4年版のタイプは 16 × タイプ + 守備位置。守備位置 %3 なら %5）</source>
        <translation>The position part %2 of &quot;タイプ&quot; %1 differs from &quot;守備位置&quot; %3 (a type of the %4 edition is 16 × type + position; with position %3 it is %5)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="125"/>
        <source>ファイルが大きすぎます（取り込むテキストは合わせて %1 MiB まで）</source>
        <translation>The file is too large (the texts of an import may hold %1 MiB together)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="135"/>
        <source>行が多すぎます（取り込むテキストは合わせて %1 行まで）</source>
        <translation>Too many lines (the texts of an import may hold %1 lines together)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="154"/>
        <source>%1は %2 の %3 行目にもあります。1つのチームは1回だけ取り込めます</source>
        <translation>%1 is also on line %3 of %2. A team can be imported only once</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="195"/>
        <source>ROM の%1を読み込めません（%2）</source>
        <translation>Cannot read %1 in the ROM (%2)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="196"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="216"/>
        <source>%1の列が %2 個あります（%3 個のはず）</source>
        <translation>%1: the line has %2 columns (%3 expected)</translation>
    </message>
    <message>
        <location filename="../src/core/import/PlayerImport.cpp" line="325"/>
        <source>%1 %2 行目 %3「%4」は「%5」として保存されます</source>
        <translation>%1 line %2, &quot;%3&quot;: &quot;%4&quot; will be stored as &quot;%5&quot;</translation>
    </message>
</context>
<context>
    <name>RomDocument</name>
    <message>
        <location filename="../src/core/document/RomDocument.cpp" line="101"/>
        <source>「%1」はROMのデータと合わないため、何も変えていません</source>
        <translation>&quot;%1&quot; does not fit the ROM&apos;s data, so nothing was changed</translation>
    </message>
</context>
<context>
    <name>RomFile</name>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="29"/>
        <source>%1 を読み込めません（%2）</source>
        <translation>Cannot read %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="40"/>
        <source>%1 は %2 バイトあり、このゲームの ROM ではありません（ROM は 16 MiB まで）</source>
        <translation>%1 has %2 bytes and is no ROM of this game (a ROM has at most 16 MiB)</translation>
    </message>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="41"/>
        <source>%1 は %2 バイトあり、大きすぎます（%3 バイトまで）</source>
        <translation>%1 has %2 bytes, which is too large (%3 bytes at most)</translation>
    </message>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="50"/>
        <source>%1 は通常のファイルではありません（FIFO、デバイス、フォルダなど）。ROM ファイルを指定してください</source>
        <translation>%1 is not a regular file (but a FIFO, a device, a folder or the like). Give a ROM file</translation>
    </message>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="51"/>
        <source>%1 は通常のファイルではありません（FIFO、デバイス、フォルダなど）</source>
        <translation>%1 is not a regular file (but a FIFO, a device, a folder or the like)</translation>
    </message>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="121"/>
        <location filename="../src/core/file/RomFile.cpp" line="170"/>
        <source>ファイル名が空です</source>
        <translation>The file name is empty</translation>
    </message>
    <message>
        <location filename="../src/core/file/RomFile.cpp" line="137"/>
        <source>%1 は他のプログラムが使用中です（%2 秒待ちました）。何も書き込んでいません</source>
        <translation>%1 is in use by another program (waited %2 seconds). Nothing was written</translation>
    </message>
</context>
<context>
    <name>RomImage</name>
    <message>
        <location filename="../src/core/rom/RomImage.cpp" line="25"/>
        <source>この版のこのチームにはそのデータがありません</source>
        <translation>This team of this edition has no such data</translation>
    </message>
    <message>
        <location filename="../src/core/rom/RomImage.cpp" line="30"/>
        <source>オフセット %1 はファイルの終わりより後ろです</source>
        <translation>Offset %1 lies past the end of the file</translation>
    </message>
    <message>
        <location filename="../src/core/rom/RomImage.cpp" line="58"/>
        <source>ファイルにオフセット %1 のデータがありません</source>
        <translation>The file has no data at offset %1</translation>
    </message>
    <message>
        <location filename="../src/core/rom/RomImage.cpp" line="60"/>
        <source>ファイルがオフセット %1 のレコードの途中で終わっています（%2 バイト中 %3 バイト）</source>
        <translation>The file ends inside the record at offset %1 (%3 of %2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/core/rom/RomImage.cpp" line="85"/>
        <source>ファイルにオフセット %1 のチームの色がありません</source>
        <translation>The file has no team colours at offset %1</translation>
    </message>
</context>
<context>
    <name>RomajiInput</name>
    <message>
        <location filename="../src/core/edit/RomajiInput.cpp" line="185"/>
        <location filename="../src/core/edit/RomajiInput.cpp" line="192"/>
        <location filename="../src/core/edit/RomajiInput.cpp" line="209"/>
        <source>「%1」はローマ字として読めません</source>
        <translation>&quot;%1&quot; cannot be read as romaji</translation>
    </message>
    <message>
        <location filename="../src/core/edit/RomajiInput.cpp" line="216"/>
        <source>「%1」はこの版の名前に使えません</source>
        <translation>&quot;%1&quot; cannot be used in names of this edition</translation>
    </message>
</context>
<context>
    <name>SampleFolder</name>
    <message>
        <location filename="../src/core/sample/SampleFolder.cpp" line="61"/>
        <source>サンプルのフォルダ %1 を作れません</source>
        <translation>Cannot create the sample folder %1</translation>
    </message>
    <message>
        <location filename="../src/core/sample/SampleFolder.cpp" line="74"/>
        <source>%1 に新しいサンプルの名前を付けられません</source>
        <translation>Cannot find a name for a new sample in %1</translation>
    </message>
</context>
<context>
    <name>SaveCommands</name>
    <message>
        <location filename="../src/core/save/SaveCommands.cpp" line="24"/>
        <location filename="../src/core/save/SaveCommands.cpp" line="36"/>
        <source>%1 に保存できませんでした．
%2</source>
        <translation>Could not save %1.
%2</translation>
    </message>
</context>
<context>
    <name>SaveDocument</name>
    <message>
        <location filename="../src/core/save/SaveDocument.cpp" line="45"/>
        <source>%1 は開いたときより短くなっているため、保存できません</source>
        <translation>%1 is shorter than when it was opened, so it cannot be saved</translation>
    </message>
    <message>
        <location filename="../src/core/save/SaveDocument.cpp" line="56"/>
        <source>%1 は開いている ROM ファイルです。パッチの書き込み先には使えません</source>
        <translation>%1 is the open ROM file; the patch cannot be written into it</translation>
    </message>
    <message>
        <location filename="../src/core/save/SaveDocument.cpp" line="78"/>
        <source>ROM と保存する内容は同じです。パッチは書きません</source>
        <translation>The ROM already holds what would be saved. No patch is written</translation>
    </message>
</context>
<context>
    <name>TeamFiguresModel</name>
    <message>
        <location filename="../src/core/league/TeamFiguresModel.cpp" line="128"/>
        <source>チーム</source>
        <translation>Team</translation>
    </message>
    <message>
        <location filename="../src/core/league/TeamFiguresModel.cpp" line="129"/>
        <source>平均打率</source>
        <translation>Batting avg.</translation>
    </message>
    <message>
        <location filename="../src/core/league/TeamFiguresModel.cpp" line="130"/>
        <source>総本塁打</source>
        <translation>Home runs</translation>
    </message>
    <message>
        <location filename="../src/core/league/TeamFiguresModel.cpp" line="131"/>
        <source>平均走力</source>
        <translation>Avg. speed</translation>
    </message>
    <message>
        <location filename="../src/core/league/TeamFiguresModel.cpp" line="132"/>
        <source>平均防御率</source>
        <translation>Avg. ERA</translation>
    </message>
</context>
<context>
    <name>TeamSections</name>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="52"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="80"/>
        <source>%1 列目が「%2」です（「%3」のはず）</source>
        <translation>column %1 is &quot;%2&quot; (&quot;%3&quot; expected)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="82"/>
        <source>列が %1 個です（%2 個のはず）</source>
        <translation>there are %1 columns (%2 expected)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="110"/>
        <source>チームの行（「%1」など）より前に行があります</source>
        <translation>There are lines before the first team line (such as &quot;%1&quot;)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="122"/>
        <source>%1のバッターの見出しの行がありません。%2</source>
        <translation>%1 has no batter heading line. %2</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="135"/>
        <source>%1の見出しの行が多すぎます</source>
        <translation>%1 has too many heading lines</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="147"/>
        <source>チームの行（「%1」など）がありません。選手データ出力で書いたファイルを指定してください</source>
        <translation>There is no team line (such as &quot;%1&quot;). Give a file written by the player data export</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="160"/>
        <source>%1年版の見出し：%2</source>
        <translation>Headings of the %1 edition: &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="177"/>
        <source>「%1」は%2年版のチームではありません。チーム：%3</source>
        <translation>&quot;%1&quot; is no team of the %2 edition. Teams: %3</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="188"/>
        <source>ファイル名の「_%1%2」に当たるチームはありません（%3年版の%1チームは %4 つ）</source>
        <translation>No team matches &quot;_%1%2&quot; in the file name (the %3 edition has %4 teams %1)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="211"/>
        <source>%1の%2の見出しが%3年版のものと違います：%4。版の指定を確かめてください。%5</source>
        <translation>The %2 headings of %1 differ from those of the %3 edition: %4. Check the edition given. %5</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="231"/>
        <source>%1の後にバッターとピッチャーの表がありません</source>
        <translation>No batter and pitcher tables follow %1</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="236"/>
        <source>%1のピッチャーの見出しの行がありません。%2</source>
        <translation>%1 has no pitcher heading line. %2</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="252"/>
        <source>%1の%2の行が足りません（%3 行のところ %4 行）</source>
        <translation>%1 has too few lines of %2 (%4 instead of %3)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TeamSections.cpp" line="255"/>
        <source>%1の%2の行が多すぎます（%3 行のところ %4 行）</source>
        <translation>%1 has too many lines of %2 (%4 instead of %3)</translation>
    </message>
</context>
<context>
    <name>TextLines</name>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="70"/>
        <source>文字コード Shift-JIS（Windows-31J）か UTF-8 で保存し直してください</source>
        <translation>Save it again in the character set Shift-JIS (Windows-31J) or UTF-8</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="86"/>
        <source>ファイルが大きすぎます（取り込めるのは %1 MiB まで）</source>
        <translation>The file is too large (at most %1 MiB can be imported)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="88"/>
        <source>ファイルが空です</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="90"/>
        <source>UTF-16 のテキストは読めません。Shift-JIS か UTF-8 で保存してください</source>
        <translation>UTF-16 text cannot be read. Save it as Shift-JIS or UTF-8</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="97"/>
        <source>行が多すぎます（%1 行。取り込めるのは %2 行まで）</source>
        <translation>Too many lines (%1; an import takes at most %2)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="102"/>
        <source>制御文字 0x%1 があります。テキストファイルではありません</source>
        <translation>It holds the control character 0x%1; this is no text file</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="105"/>
        <source>行が長すぎます（%1 バイト。1行は %2 バイトまで）</source>
        <translation>The line is too long (%1 bytes; a line has at most %2 bytes)</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="114"/>
        <source>Shift-JIS のテキストを読む機能がありません</source>
        <translation>Shift-JIS text cannot be read on this system</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="122"/>
        <source>UTF-8 として読めない文字があります。%1</source>
        <translation>It holds characters that are not valid UTF-8. %1</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="123"/>
        <source>Shift-JIS としても UTF-8 としても読めない文字があります。文字コードが Shift-JIS でも UTF-8 でもないテキストです。%1</source>
        <translation>It holds characters that are valid neither as Shift-JIS nor as UTF-8: its character set is neither Shift-JIS nor UTF-8. %1</translation>
    </message>
    <message>
        <location filename="../src/core/import/TextLines.cpp" line="128"/>
        <source>読めなかった文字の印「%1」があります。Shift-JIS でも UTF-8 でもない文字コードで読み込んで保存したテキストです。出力したファイルを文字コード Shift-JIS（Windows-31J）か UTF-8 で開き直し、同じ文字コードで保存してください</source>
        <translation>It holds &quot;%1&quot;, the mark of characters that could not be read: the text was opened and saved in a character set that is neither Shift-JIS nor UTF-8. Open the exported file again in the character set Shift-JIS (Windows-31J) or UTF-8 and save it in the same character set</translation>
    </message>
</context>
<context>
    <name>WriteBack</name>
    <message>
        <location filename="../src/core/roster/WriteBack.cpp" line="53"/>
        <location filename="../src/core/roster/WriteBack.cpp" line="74"/>
        <source>&apos;%1&apos; は数値ではありません</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <location filename="../src/core/roster/WriteBack.cpp" line="63"/>
        <source>名前「%1」には、この版の名前に使えない文字があります</source>
        <translation>The name &quot;%1&quot; has characters that names of this edition cannot use</translation>
    </message>
</context>
</TS>
