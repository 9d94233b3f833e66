<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Kestrel（バージョン情報）</source>
        <translation>About Kestrel</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kestrel（レジストリ削除）</source>
        <translation>Kestrel (delete settings)</translation>
    </message>
    <message>
        <source>「Kestrel」のレジストリを削除して終了しますか？</source>
        <translation>Delete the stored settings of “Kestrel” and quit?</translation>
    </message>
</context>
<context>
    <name>CAddFilesDlg</name>
    <message>
        <source>サブフォルダ内のファイルも追加</source>
        <translation>Also add the files in subfolders</translation>
    </message>
    <message>
        <source>ファイルの追加</source>
        <translation>Add files</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>フィルタ</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CBatchDlg</name>
    <message>
        <source>Kestrel（バッチ処理）</source>
        <translation>Kestrel (batch)</translation>
    </message>
    <message>
        <source>バッチ処理は次の動作をします。
&#x3000;・『連番』の『加算』処理はしません。
&#x3000;・出力先は『通常』で動作します。

処理をしないディレクトリはチェックを外して下さい。</source>
        <translation>A batch works as follows:
  • Numbering does not advance its start value.
  • Files are renamed where they are (output “Stay”).

Uncheck the folders that are not to be processed.</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CBehaviourPage</name>
    <message>
        <source>実行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>実行前に確認</source>
        <translation>Confirm before running</translation>
    </message>
    <message>
        <source>実行結果を表示</source>
        <translation>Show the results</translation>
    </message>
    <message>
        <source>ドラッグ＆ドロップ</source>
        <translation>Drag and drop</translation>
    </message>
    <message>
        <source>ファイル追加</source>
        <translation>Adds files</translation>
    </message>
    <message>
        <source>ディレクトリ移動のみ</source>
        <translation>Only changes folder</translation>
    </message>
    <message>
        <source>ディレクトリ選択</source>
        <translation>Choosing a folder</translation>
    </message>
    <message>
        <source>Windows標準形式</source>
        <translation>Standard dialog</translation>
    </message>
    <message>
        <source>オリジナル形式</source>
        <translation>Kestrel&apos;s own</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>コンパイル済みHTMLヘルプ</source>
        <translation>Compiled HTML help</translation>
    </message>
    <message>
        <source>HTMLマニュアル</source>
        <translation>HTML manual</translation>
    </message>
    <message>
        <source>起動動作</source>
        <translation>Use at startup</translation>
    </message>
    <message>
        <source>フィルタ</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>パターン</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>フォルダ表示にも適用</source>
        <translation>Apply to folders too</translation>
    </message>
    <message>
        <source>非表示属性</source>
        <translation>Hide by attribute</translation>
    </message>
    <message>
        <source>読み取り専用</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>隠しファイル</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>アーカイブ</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>動作の初期値を変更しました。</source>
        <translation>The initial behavior settings have been changed.</translation>
    </message>
</context>
<context>
    <name>CCandidateList</name>
    <message>
        <source>%1。</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルの種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>変更後の名前</source>
        <translation>New name</translation>
    </message>
</context>
<context>
    <name>CCandidatePane</name>
    <message>
        <source>ダミー挿入</source>
        <translation>Insert dummy</translation>
    </message>
    <message>
        <source>全て追加</source>
        <translation>Add all</translation>
    </message>
    <message>
        <source>全て取消</source>
        <translation>Remove all</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>先頭へ</source>
        <translation>To the top</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>指定位置へ</source>
        <translation>To a position</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>末尾へ</source>
        <translation>To the bottom</translation>
    </message>
    <message>
        <source>候補リスト</source>
        <translation>Candidate list</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Stay</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>複写</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ディレクトリ参照</source>
        <translation>Browse for a folder</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>ファイルリストのエクスポート</source>
        <translation>Export file list</translation>
    </message>
</context>
<context>
    <name>CCharKindPanel</name>
    <message>
        <source>大／小文字</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>不&#x3000;&#x3000;&#x3000;&#x3000;変</source>
        <translation>Unchanged</translation>
    </message>
    <message>
        <source>ＫＥＳＴＲＥＬ</source>
        <translation>KESTREL</translation>
    </message>
    <message>
        <source>ｋｅｓｔｒｅｌ</source>
        <translation>kestrel</translation>
    </message>
    <message>
        <source>Ｋｅｓｔｒｅｌ</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>拡張子</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>不変</source>
        <translation>Unchanged</translation>
    </message>
    <message>
        <source>ＥＸＥ</source>
        <translation>EXE</translation>
    </message>
    <message>
        <source>ｅｘｅ</source>
        <translation>exe</translation>
    </message>
    <message>
        <source>Ｅｘｅ</source>
        <translation>Exe</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>アルファベット</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>カタカナ</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>半角</source>
        <translation>Half-width</translation>
    </message>
    <message>
        <source>全角</source>
        <translation>Full-width</translation>
    </message>
</context>
<context>
    <name>CCommandBar</name>
    <message>
        <source>簡易テキストビュア</source>
        <translation>Text viewer</translation>
    </message>
    <message>
        <source>アンドゥ</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>環境設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>CConcatPanel</name>
    <message>
        <source>な&#x3000;&#x3000;し</source>
        <translation>None</translation>
    </message>
    <message>
        <source>先&#x3000;&#x3000;頭</source>
        <translation>First</translation>
    </message>
    <message>
        <source>ファイル毎</source>
        <translation>Each file</translation>
    </message>
    <message>
        <source>追加出力</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>選択ファイルを削除</source>
        <translation>Delete selected files</translation>
    </message>
    <message>
        <source>改行不変</source>
        <translation>Keep EOL</translation>
    </message>
    <message>
        <source>CR (0DH)に</source>
        <translation>CR (0DH)</translation>
    </message>
    <message>
        <source>LF (0AH)に</source>
        <translation>LF (0AH)</translation>
    </message>
    <message>
        <source>CR+LFに</source>
        <translation>CR+LF</translation>
    </message>
    <message>
        <source>EOF不変</source>
        <translation>Keep EOF</translation>
    </message>
    <message>
        <source>EOF末尾</source>
        <translation>Add EOF</translation>
    </message>
    <message>
        <source>EOF削除</source>
        <translation>Drop EOF</translation>
    </message>
    <message>
        <source>出力先</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>区切り</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>出力ファイル選択</source>
        <translation>Choose the output file</translation>
    </message>
</context>
<context>
    <name>CExportDlg</name>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>カレントディレクトリ</source>
        <translation>Current folder</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルの種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>フルパスを出力</source>
        <translation>Write full paths</translation>
    </message>
    <message>
        <source>拡張子を出力しない</source>
        <translation>Leave out extensions</translation>
    </message>
    <message>
        <source>ファイル名を &quot; &quot; で囲む</source>
        <translation>Put file names in &quot; &quot;</translation>
    </message>
    <message>
        <source>前に文字列追加</source>
        <translation>Add text before</translation>
    </message>
    <message>
        <source>後に文字列追加</source>
        <translation>Add text after</translation>
    </message>
    <message>
        <source>ファイルリストのエクスポート</source>
        <translation>Export the file list</translation>
    </message>
    <message>
        <source>出力先</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>項&#x3000;目</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>出力ファイル選択</source>
        <translation>Choose the output file</translation>
    </message>
</context>
<context>
    <name>CFileOperations</name>
    <message>
        <source>「%1」を「%2」へ複写しますか？</source>
        <translation>Copy &quot;%1&quot; to &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>「%1」を「%2」へ移動しますか？</source>
        <translation>Move &quot;%1&quot; to &quot;%2&quot;?</translation>
    </message>
    <message numerus="yes">
        <source>選択した %n 個の項目を「%1」へ複写しますか？</source>
        <translation>
            <numerusform>Copy the selected item to &quot;%1&quot;?</numerusform>
            <numerusform>Copy the %n selected items to &quot;%1&quot;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>選択した %n 個の項目を「%1」へ移動しますか？</source>
        <translation>
            <numerusform>Move the selected item to &quot;%1&quot;?</numerusform>
            <numerusform>Move the %n selected items to &quot;%1&quot;?</numerusform>
        </translation>
    </message>
    <message>
        <source>複写先を指定して下さい。</source>
        <translation>Choose the folder to copy to.</translation>
    </message>
    <message>
        <source>移動先を指定して下さい。</source>
        <translation>Choose the folder to move to.</translation>
    </message>
    <message>
        <source>Kestrel（複写）</source>
        <translation>Kestrel (copy)</translation>
    </message>
    <message>
        <source>Kestrel（移動）</source>
        <translation>Kestrel (move)</translation>
    </message>
    <message>
        <source>「%1」は既にあります。置き換えますか？</source>
        <translation>&quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>複写できませんでした。
%1</source>
        <translation>Could not copy:
%1</translation>
    </message>
    <message>
        <source>移動できませんでした。
%1</source>
        <translation>Could not move:
%1</translation>
    </message>
    <message>
        <source>Kestrel（削除）</source>
        <translation>Kestrel (delete)</translation>
    </message>
    <message>
        <source>「%1」をごみ箱へ移動しますか？</source>
        <translation>Move &quot;%1&quot; to the trash?</translation>
    </message>
    <message numerus="yes">
        <source>選択した %n 個の項目をごみ箱へ移動しますか？</source>
        <translation>
            <numerusform>Move the selected item to the trash?</numerusform>
            <numerusform>Move the %n selected items to the trash?</numerusform>
        </translation>
    </message>
    <message>
        <source>ごみ箱へ移動できませんでした。
%1</source>
        <translation>Could not move to the trash:
%1</translation>
    </message>
    <message>
        <source>ディレクトリの作成</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>ディレクトリの作成に失敗しました！
ディレクトリが既に存在するか，入力文字がディレクトリ名として不正です。

%1
%2</source>
        <translation>The folder could not be created.
A folder of that name exists already, or the name is not valid for a folder.

%1
%2</translation>
    </message>
</context>
<context>
    <name>CFileTypeDlg</name>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>ファイルタイプ</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>拡張子</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>拡張子：%1</source>
        <translation>Extension: %1</translation>
    </message>
</context>
<context>
    <name>CFolderBrowseDlg</name>
    <message>
        <source>フォルダの参照</source>
        <translation>Browse for a folder</translation>
    </message>
    <message>
        <source>新しいフォルダ</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>一覧</source>
        <translation>List</translation>
    </message>
    <message>
        <source>小さいアイコン</source>
        <translation>Small icons</translation>
    </message>
    <message>
        <source>サイズ・分割位置を記憶</source>
        <translation>Remember layout</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>フォルダを選択して下さい。</source>
        <translation>Choose a folder.</translation>
    </message>
    <message>
        <source>ディレクトリの作成</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>ディレクトリの作成に失敗しました！
ディレクトリが既に存在するか，入力文字がディレクトリ名として不正です。</source>
        <translation>The folder could not be made.
A folder of that name exists already, or the name is not valid for a folder.</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>ホーム</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>このフォルダは読み取れません。</source>
        <translation>This folder cannot be read.</translation>
    </message>
</context>
<context>
    <name>CFormatHelpDlg</name>
    <message>
        <source>Kestrel（書式ヘルプ）</source>
        <translation>Kestrel (format help)</translation>
    </message>
</context>
<context>
    <name>CFormatPanel</name>
    <message>
        <source>ファイルの更新日時</source>
        <translation>File&apos;s modification time</translation>
    </message>
    <message>
        <source>写真の撮影日時（なければ更新日時）</source>
        <translation>Photo&apos;s date taken (else modification time)</translation>
    </message>
    <message>
        <source>書式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>日時の置換文字</source>
        <translation>Dates and times from</translation>
    </message>
</context>
<context>
    <name>CFreeFilterDlg</name>
    <message>
        <source>フォルダ表示にも適用</source>
        <translation>Apply to folders too</translation>
    </message>
    <message>
        <source>読み取り専用</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>隠しファイル</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>アーカイブ</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>任意フィルタ</source>
        <translation>Custom filter</translation>
    </message>
    <message>
        <source>パターン</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>非表示属性</source>
        <translation>Hide files that are</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFromFilePanel</name>
    <message>
        <source>入力ファイル</source>
        <translation>Input file</translation>
    </message>
    <message>
        <source>読めません: %1</source>
        <translation>Cannot read: %1</translation>
    </message>
    <message>
        <source>入力ファイル選択</source>
        <translation>Choose the input file</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>Kestrel（履歴）</source>
        <translation>Kestrel (history)</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>件数</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>元に戻せるか</source>
        <translation>Can be undone</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>履歴から外した実行: %1</source>
        <translation>Run dropped from the history: %1</translation>
    </message>
</context>
<context>
    <name>CHistoryPage</name>
    <message>
        <source>【メイン】 選択ディレクトリ</source>
        <translation>[Main] Selected folder</translation>
    </message>
    <message>
        <source>【メイン】 複写／移動ディレクトリ</source>
        <translation>[Main] Copy/move folder</translation>
    </message>
    <message>
        <source>【メイン】任意フィルタのパターン</source>
        <translation>[Main] Custom filter pattern</translation>
    </message>
    <message>
        <source>【メイン】エクスポートの出力先</source>
        <translation>[Main] Export file</translation>
    </message>
    <message>
        <source>【連番】 前固定文字列</source>
        <translation>[Numbers] Text before</translation>
    </message>
    <message>
        <source>【連番】 後固定文字列</source>
        <translation>[Numbers] Text after</translation>
    </message>
    <message>
        <source>【連番】 拡張子</source>
        <translation>[Numbers] Extension</translation>
    </message>
    <message>
        <source>【元名】 前固定文字列</source>
        <translation>[Original name] Text before</translation>
    </message>
    <message>
        <source>【元名】 後固定文字列</source>
        <translation>[Original name] Text after</translation>
    </message>
    <message>
        <source>【元名】 拡張子</source>
        <translation>[Original name] Extension</translation>
    </message>
    <message>
        <source>【文字置換】 置換前文字列</source>
        <translation>[Replace] Text to find</translation>
    </message>
    <message>
        <source>【文字置換】 置換後文字列</source>
        <translation>[Replace] Replace with</translation>
    </message>
    <message>
        <source>【範囲置換】 置換文字列</source>
        <translation>[Range replace] Replacement</translation>
    </message>
    <message>
        <source>【挿入】挿入文字列</source>
        <translation>[Insert] Text to insert</translation>
    </message>
    <message>
        <source>【書式】 書式文字列</source>
        <translation>[Format] Format</translation>
    </message>
    <message>
        <source>【ファイルから】入力ファイル</source>
        <translation>[From file] Input file</translation>
    </message>
    <message>
        <source>【連番Dir作成】固定文字列</source>
        <translation>[Numbered folders] Fixed text</translation>
    </message>
    <message>
        <source>【連結】 出力先ファイル</source>
        <translation>[Concatenate] Output file</translation>
    </message>
    <message>
        <source>【連結】 区切り書式</source>
        <translation>[Concatenate] Separator format</translation>
    </message>
    <message>
        <source>履歴削除</source>
        <translation>Delete history</translation>
    </message>
    <message>
        <source>全チェック</source>
        <translation>Check all</translation>
    </message>
    <message>
        <source>全クリア</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全履歴削除</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>全項目の全履歴を削除します。
『更新』ボタンを押下すると反映されます。

削除しますか？</source>
        <translation>This deletes the whole history of every item.
It takes effect when you press “Update”.

Delete it?</translation>
    </message>
    <message>
        <source>履歴の編集結果を更新しました。</source>
        <translation>The edited history has been saved.</translation>
    </message>
</context>
<context>
    <name>CInsertPanel</name>
    <message>
        <source>前に</source>
        <translation>At the front</translation>
    </message>
    <message>
        <source>前から</source>
        <translation>Front, char</translation>
    </message>
    <message>
        <source>後ろに</source>
        <translation>At the end</translation>
    </message>
    <message>
        <source>後ろから</source>
        <translation>End, char</translation>
    </message>
    <message>
        <source>字目に</source>
        <translation>:</translation>
    </message>
    <message>
        <source>を挿入</source>
        <translation>(insert)</translation>
    </message>
</context>
<context>
    <name>CLaunchPage</name>
    <message>
        <source>表&#x3000;示</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>コ&#x3000;マ&#x3000;ン&#x3000;ド</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Kestrel（起動コマンド選択）</source>
        <translation>Kestrel (choose a command)</translation>
    </message>
    <message>
        <source>全てのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>CListDisplayPage</name>
    <message>
        <source>リスト表示の初期値を変更しました。</source>
        <translation>The initial list display settings have been changed.</translation>
    </message>
    <message>
        <source>選択リストの形式</source>
        <translation>Selection list view</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>一覧</source>
        <translation>List</translation>
    </message>
    <message>
        <source>小さいアイコン</source>
        <translation>Small icons</translation>
    </message>
    <message>
        <source>リストの選択方法</source>
        <translation>Selecting in the list</translation>
    </message>
    <message>
        <source>ファイル名部分</source>
        <translation>File name only</translation>
    </message>
    <message>
        <source>行全体</source>
        <translation>Whole row</translation>
    </message>
    <message>
        <source>（罫線表示）</source>
        <translation>(grid lines)</translation>
    </message>
    <message>
        <source>ファイル表示</source>
        <translation>File names</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>As they are</translation>
    </message>
    <message>
        <source>大文字</source>
        <translation>Upper case</translation>
    </message>
    <message>
        <source>小文字</source>
        <translation>Lower case</translation>
    </message>
    <message>
        <source>ファイルサイズ</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>キロバイト単位</source>
        <translation>In kilobytes</translation>
    </message>
    <message>
        <source>バイト単位</source>
        <translation>In bytes</translation>
    </message>
    <message>
        <source>選択リストのソート方法</source>
        <translation>Selection list order</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルの種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>逆順</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>数値比較</source>
        <translation>Numbers by value</translation>
    </message>
    <message>
        <source>変名／連結候補表示</source>
        <translation>Candidates show</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>フルパス名</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>候補リストのソート機能</source>
        <translation>Sorting candidates</translation>
    </message>
    <message>
        <source>使用する</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>起動動作</source>
        <translation>Use at startup</translation>
    </message>
</context>
<context>
    <name>CListPosDlg</name>
    <message>
        <source>Kestrel（変更リスト位置指定）</source>
        <translation>Kestrel (list position)</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>指定位置(0～%1)：</source>
        <translation>Position (0 to %1):</translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <source>リスト分割変更</source>
        <translation>Split or join the lists</translation>
    </message>
    <message>
        <source>変名の初期値を変更しました。</source>
        <translation>The rename defaults have been changed.</translation>
    </message>
    <message>
        <source>変名モード変更</source>
        <translation>Rename mode changed</translation>
    </message>
    <message>
        <source>【連結】モードに変更されました。リストをクリアしますか？
『いいえ』を選択してもダミーファイルはクリアされます。</source>
        <translation>The mode is now Concatenate. Clear the list?
Choosing No still removes the dummy files.</translation>
    </message>
    <message>
        <source>【連結】モードから変更されました。リストをクリアしますか？</source>
        <translation>The mode is no longer Concatenate. Clear the list?</translation>
    </message>
    <message>
        <source>対象モード変更</source>
        <translation>Target changed</translation>
    </message>
    <message>
        <source>対象モードが変更されました。リストがクリアされますが，よろしいですか？</source>
        <translation>The target (files or folders) has changed. The list will be cleared. Continue?</translation>
    </message>
    <message>
        <source>元に戻せなかったファイルがあります。
</source>
        <translation>Some files could not be put back.
</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 → %2：%3</source>
        <translation>%1 → %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>

ほか %n 件</source>
        <translation>
            <numerusform>

and %n more</numerusform>
            <numerusform>

and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>アンドゥ</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>ファイルリストのエクスポート（エラー）</source>
        <translation>Export file list (error)</translation>
    </message>
    <message>
        <source>[%1] への出力に失敗しました!!
%2</source>
        <translation>Could not write to [%1].
%2</translation>
    </message>
    <message>
        <source>ファイルリストのエクスポート</source>
        <translation>Export file list</translation>
    </message>
    <message>
        <source>ディレクトリ［%1］が存在しません!!
作成しますか？</source>
        <translation>The folder [%1] does not exist.
Create it?</translation>
    </message>
    <message>
        <source>ディレクトリの作成に失敗しました!!</source>
        <translation>The folder could not be created.</translation>
    </message>
</context>
<context>
    <name>CMakeDirDlg</name>
    <message>
        <source>ディレクトリの作成</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CModeArea</name>
    <message>
        <source>連番</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>元名</source>
        <translation>Old name</translation>
    </message>
    <message>
        <source>文字種</source>
        <translation>Char type</translation>
    </message>
    <message>
        <source>文字置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>範囲置換</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>挿入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>書式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>ファイルから</source>
        <translation>From file</translation>
    </message>
    <message>
        <source>連番Dir作成</source>
        <translation>Make dirs</translation>
    </message>
    <message>
        <source>※連結</source>
        <translation>※Join</translation>
    </message>
    <message>
        <source>■初期値に</source>
        <translation>■Make defaults</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>タイムスタンプ統一</source>
        <translation>Set timestamp</translation>
    </message>
    <message>
        <source>現在日時</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>現在時刻</source>
        <translation>The current date and time</translation>
    </message>
    <message>
        <source>属性統一</source>
        <translation>Set attributes</translation>
    </message>
    <message>
        <source>読みとり専用</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>隠しファイル</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>アーカイブ</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>システムファイル</source>
        <translation>System file</translation>
    </message>
</context>
<context>
    <name>CModePanel</name>
    <message>
        <source>拡張子</source>
        <translation>Extension</translation>
    </message>
</context>
<context>
    <name>CMoveDirDlg</name>
    <message>
        <source>移動ディレクトリ選択</source>
        <translation>Choose the target folder</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>移動先のディレクトリを選択してください。</source>
        <translation>Choose the folder to move the files to.</translation>
    </message>
</context>
<context>
    <name>CNumDirPanel</name>
    <message>
        <source>固定</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>COrgNamePanel</name>
    <message>
        <source>前固定</source>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>後固定</source>
        <translation>Suffix</translation>
    </message>
</context>
<context>
    <name>COverwriteDlg</name>
    <message>
        <source>ファイルの上書き確認</source>
        <translation>Replace file</translation>
    </message>
    <message>
        <source>‘%1 ’ は既に存在しています。

上書きしますか？</source>
        <translation>‘%1’ exists already.

Do you want to replace it?</translation>
    </message>
    <message>
        <source>はい（&amp;Y）</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>全て上書き（&amp;A）</source>
        <translation>Replace &amp;all</translation>
    </message>
    <message>
        <source>いいえ（&amp;N）</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>CPlaceholderListDlg</name>
    <message>
        <source>・%F：ファイル名</source>
        <translation>- %F: file name</translation>
    </message>
    <message>
        <source>・%f：ファイルタイトル</source>
        <translation>- %f: file name without extension</translation>
    </message>
    <message>
        <source>・%e：拡張子</source>
        <translation>- %e: extension</translation>
    </message>
    <message>
        <source>・%p：カレントディレクトリ名</source>
        <translation>- %p: name of the current folder</translation>
    </message>
    <message>
        <source>・%n：連番</source>
        <translation>- %n: number</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;例）%n3:2:5=幅3，初期値2，増分</source>
        <translation>    e.g. %n3:2:5 = width 3, start 2, step 5</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;例）%n2=幅2（，初期値1，増分1）</source>
        <translation>    e.g. %n2 = width 2 (start 1, step 1)</translation>
    </message>
    <message>
        <source>・%Y：タイムスタンプ年（4桁）</source>
        <translation>- %Y: timestamp year (4 digits)</translation>
    </message>
    <message>
        <source>・%y：タイムスタンプ年（2桁）</source>
        <translation>- %y: timestamp year (2 digits)</translation>
    </message>
    <message>
        <source>・%m：タイムスタンプ月</source>
        <translation>- %m: timestamp month</translation>
    </message>
    <message>
        <source>・%d：タイムスタンプ日</source>
        <translation>- %d: timestamp day</translation>
    </message>
    <message>
        <source>・%H：タイムスタンプ時（24h）</source>
        <translation>- %H: timestamp hour (24h)</translation>
    </message>
    <message>
        <source>・%h：タイムスタンプ時（12h）</source>
        <translation>- %h: timestamp hour (12h)</translation>
    </message>
    <message>
        <source>・%M：タイムスタンプ分</source>
        <translation>- %M: timestamp minute</translation>
    </message>
    <message>
        <source>・%s：タイムスタンプ秒</source>
        <translation>- %s: timestamp second</translation>
    </message>
    <message>
        <source>・%{camera}：写真の機種</source>
        <translation>- %{camera}: camera model of a photo</translation>
    </message>
    <message>
        <source>・%{width}：画像の幅（ピクセル）</source>
        <translation>- %{width}: image width (pixels)</translation>
    </message>
    <message>
        <source>・%{height}：画像の高さ（ピクセル）</source>
        <translation>- %{height}: image height (pixels)</translation>
    </message>
    <message>
        <source>・%{artist}：曲のアーティスト</source>
        <translation>- %{artist}: song&apos;s artist</translation>
    </message>
    <message>
        <source>・%{album}：曲のアルバム</source>
        <translation>- %{album}: song&apos;s album</translation>
    </message>
    <message>
        <source>・%{title}：曲のタイトル</source>
        <translation>- %{title}: song&apos;s title</translation>
    </message>
    <message>
        <source>・%{track}：曲のトラック番号（2桁）</source>
        <translation>- %{track}: song&apos;s track number (2 digits)</translation>
    </message>
    <message>
        <source>・%{year}：曲の年</source>
        <translation>- %{year}: song&apos;s year</translation>
    </message>
    <message>
        <source>追&#x3000;&#x3000;加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>・%d：日付（yyyy/mm/dd）</source>
        <translation>- %d: date (yyyy/mm/dd)</translation>
    </message>
    <message>
        <source>・%t：時刻（hh：mm：ss）</source>
        <translation>- %t: time (hh:mm:ss)</translation>
    </message>
    <message>
        <source>・%f：ファイル名</source>
        <translation>- %f: file name</translation>
    </message>
    <message>
        <source>・%F：ファイル名（フルパス）</source>
        <translation>- %F: file name (full path)</translation>
    </message>
    <message>
        <source>・%D：タイムスタンプ日付（yyyy/mm/dd）</source>
        <translation>- %D: timestamp date (yyyy/mm/dd)</translation>
    </message>
    <message>
        <source>・%T：タイムスタンプ時刻（hh：mm：ss）</source>
        <translation>- %T: timestamp time (hh:mm:ss)</translation>
    </message>
    <message>
        <source>・%r：改行（CR ... 0DH）</source>
        <translation>- %r: line break (CR ... 0DH)</translation>
    </message>
    <message>
        <source>・%l：改行（LF ... 0AH）</source>
        <translation>- %l: line break (LF ... 0AH)</translation>
    </message>
    <message>
        <source>・%n：改行（CR+LF）</source>
        <translation>- %n: line break (CR+LF)</translation>
    </message>
    <message>
        <source>・%%：%</source>
        <translation>- %%: %</translation>
    </message>
</context>
<context>
    <name>CRangeReplacePanel</name>
    <message>
        <source>前から</source>
        <translation>From front</translation>
    </message>
    <message>
        <source>前</source>
        <translation>Front, char</translation>
    </message>
    <message>
        <source>後ろから</source>
        <translation>From end</translation>
    </message>
    <message>
        <source>後ろ</source>
        <translation>End, char</translation>
    </message>
    <message>
        <source>字目から</source>
        <translation>on:</translation>
    </message>
    <message>
        <source>字を</source>
        <translation>chars →</translation>
    </message>
    <message>
        <source>に置換</source>
        <translation>(replace)</translation>
    </message>
</context>
<context>
    <name>CRenumPanel</name>
    <message>
        <source>開始値加算</source>
        <translation>Advance start</translation>
    </message>
    <message>
        <source>前固定</source>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>後固定</source>
        <translation>Suffix</translation>
    </message>
</context>
<context>
    <name>CReplacePanel</name>
    <message>
        <source>大小文字を同一視</source>
        <translation>Ignore case</translation>
    </message>
    <message>
        <source>正規表現</source>
        <translation>Regular expression</translation>
    </message>
    <message>
        <source>検索する文字列を正規表現として扱います。置換後の文字列では $1～$9、${名前}、$$ が使えます。</source>
        <translation>Treats the searched text as a regular expression. The replacement can use $1 to $9, ${name} and $$.</translation>
    </message>
    <message>
        <source>文字列</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>を</source>
        <translation>with</translation>
    </message>
    <message>
        <source>に置換</source>
        <translation>in the name</translation>
    </message>
</context>
<context>
    <name>CResultDlg</name>
    <message>
        <source>Kestrel（変名結果出力）</source>
        <translation>Kestrel (rename results)</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>フルパス名</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>サイズを記憶</source>
        <translation>Remember size</translation>
    </message>
    <message>
        <source>確&#x3000;認</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CSelectionList</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルの種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message numerus="yes">
        <source> %n個のオブジェクト（%1個を選択)</source>
        <translation>
            <numerusform> %n object (%1 selected)</numerusform>
            <numerusform> %n objects (%1 selected)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSelectionPane</name>
    <message>
        <source>選択リスト</source>
        <translation>Selection list</translation>
    </message>
    <message>
        <source>ディレクトリ参照</source>
        <translation>Browse for a folder</translation>
    </message>
    <message>
        <source>親ディレクトリへ</source>
        <translation>Parent folder</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>一覧</source>
        <translation>List</translation>
    </message>
    <message>
        <source>小さなアイコン</source>
        <translation>Small icons</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルの種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>数値比較</source>
        <translation>Numbers by value</translation>
    </message>
    <message>
        <source>任意フィルタ</source>
        <translation>Custom filter</translation>
    </message>
    <message>
        <source>フィルタ解除</source>
        <translation>No filter</translation>
    </message>
    <message>
        <source>リスト形式</source>
        <translation>View</translation>
    </message>
    <message>
        <source>フィルタ</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>複写</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ディレクトリ作成</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>ファイルリストのエクスポート</source>
        <translation>Export file list</translation>
    </message>
    <message>
        <source>バッチ処理</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>履歴…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>CSepCharsDlg</name>
    <message>
        <source>ファイル連結（区切りの特殊文字）</source>
        <translation>Concatenation (separator codes)</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Kestrel（環境設定）</source>
        <translation>Kestrel (Settings)</translation>
    </message>
    <message>
        <source>リスト表示</source>
        <translation>List display</translation>
    </message>
    <message>
        <source>動&#x3000;作</source>
        <translation>Behavior</translation>
    </message>
    <message>
        <source>起動動作</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>起動アプリケーション</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>履歴編集</source>
        <translation>History</translation>
    </message>
    <message>
        <source>起動時に最初に表示</source>
        <translation>Open on this page</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CStartupPage</name>
    <message>
        <source>変名設定</source>
        <translation>Rename settings</translation>
    </message>
    <message>
        <source>前回終了値</source>
        <translation>Last used</translation>
    </message>
    <message>
        <source>デフォルト</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>ウィンドウ</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>選択ディレクトリ</source>
        <translation>Selected folder</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>ディレクトリ参照</source>
        <translation>Browse for a folder</translation>
    </message>
    <message>
        <source>リスト分割</source>
        <translation>List split</translation>
    </message>
    <message>
        <source>２分割</source>
        <translation>Two lists</translation>
    </message>
    <message>
        <source>分割なし</source>
        <translation>One list</translation>
    </message>
    <message>
        <source>多重起動</source>
        <translation>Several instances</translation>
    </message>
    <message>
        <source>許可</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>起動時の選択ディレクトリを指定して下さい。</source>
        <translation>Choose the folder to select at startup.</translation>
    </message>
</context>
<context>
    <name>CTextViewerDlg</name>
    <message>
        <source>=============== ファイルが見つかりません ===============</source>
        <translation>=============== File not found ===============</translation>
    </message>
    <message>
        <source>=============== ファイルを読み込めません ===============</source>
        <translation>=============== The file cannot be read ===============</translation>
    </message>
    <message>
        <source>=============== 続く．．． ===============</source>
        <translation>=============== Continued... ===============</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kestrel（簡易テキストビュア）</source>
        <translation>Kestrel (text viewer)</translation>
    </message>
</context>
<context>
    <name>CWindowStore</name>
    <message>
        <source>設定を保存できませんでした。
%1
%2</source>
        <translation>The settings could not be saved.
%1
%2</translation>
    </message>
    <message>
        <source>このファイルは、設定を保存するときに名前に .broken を付けて残します。</source>
        <translation>When the settings are saved, this file is kept with .broken added to its name.</translation>
    </message>
    <message>
        <source>このファイルには終了時にも設定を保存しません。</source>
        <translation>No settings are saved to this file, not even on exit.</translation>
    </message>
    <message>
        <source>設定ファイルを読めないため、初期値で始めます。
%1
%2
%3</source>
        <translation>The settings file cannot be read; starting with the defaults.
%1
%2
%3</translation>
    </message>
</context>
<context>
    <name>CountList</name>
    <message>
        <source>連番</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>桁</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>増分</source>
        <translation>Step</translation>
    </message>
</context>
<context>
    <name>FolderFilesModel</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイルの種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>FolderFilesProgress</name>
    <message>
        <source>ファイルの追加</source>
        <translation>Adding files</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のファイルが見つかりました。
%1</source>
        <translation>
            <numerusform>%n file found.
%1</numerusform>
            <numerusform>%n files found.
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>使い方: kestrel [パス...]

多数のファイルやフォルダの名前を一度に変更するウィンドウを開きます。
選択リストでディレクトリを開き、変名する項目を番号を振る順に候補リストへ移し、
変名の方法を選ぶと、新しい名前が元の名前の横に表示されます。実行で変名します。

引数:
  パス...                 フォルダは選択リストに開き、ファイルは候補リストに追加する
  -h, --help              この説明を表示する
  -V, --version           バージョンを表示する

ファイル:
  ~/.config/Velmora/Kestrel.ini  設定と履歴（バージョン情報の画面から削除できる）

コマンドラインからの変名は kestrel-cli を使います。
</source>
        <translation>Usage: kestrel [PATH...]

Opens a window that renames many files or folders at once.
Open a folder in the selection list, move the entries to rename into the
candidate list in the order they are to be numbered and choose a rename mode;
each new name is shown beside the old one. Execute renames them.

Arguments:
  PATH...                 a folder opens in the selection list, a file is added
                          to the candidate list
  -h, --help              show this help
  -V, --version           show the version

Files:
  ~/.config/Velmora/Kestrel.ini  settings and history (they can be deleted in
                                 the About window)

To rename from the command line, use kestrel-cli.
</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>Kestrel（復旧）</source>
        <translation>Kestrel (recovery)</translation>
    </message>
    <message>
        <source>中断された実行の記録を使えません。
%1
%2

記録を破棄しますか？（ファイルはそのままです）</source>
        <translation>The record of an interrupted run cannot be used.
%1
%2

Discard the record? (The files stay as they are.)</translation>
    </message>
    <message>
        <source>記録を破棄</source>
        <translation>Discard record</translation>
    </message>
    <message>
        <source>記録を削除できません：%1
%2</source>
        <translation>Cannot delete the record: %1
%2</translation>
    </message>
    <message>
        <source>前回の連結が途中で終了しました。</source>
        <translation>The last concatenation stopped before it was done.</translation>
    </message>
    <message>
        <source>前回の複写が途中で終了しました。</source>
        <translation>The last copy run stopped before it was done.</translation>
    </message>
    <message>
        <source>前回の変名が途中で終了しました。</source>
        <translation>The last rename stopped before it was done.</translation>
    </message>
    <message>
        <source>書きかけの出力ファイルはどちらを選んでも削除します。ごみ箱に移す途中だった元ファイルを元の場所に戻しますか？</source>
        <translation>The partly written output file is deleted whichever you choose. Put the original files that were being moved to the trash back where they were?</translation>
    </message>
    <message>
        <source>作った複写を削除して実行前に戻しますか？</source>
        <translation>Delete the copies made and go back to how things were before the run?</translation>
    </message>
    <message>
        <source>一時的な名前のまま残ったファイルを元の名前に戻しますか？</source>
        <translation>Give the files left under temporary names their old names back?</translation>
    </message>
    <message>
        <source>『いいえ』を選択すると残りの複写を作ります。</source>
        <translation>Choosing No makes the remaining copies.</translation>
    </message>
    <message>
        <source>『いいえ』を選択すると変更後の名前に移します。</source>
        <translation>Choosing No gives them their new names.</translation>
    </message>
    <message numerus="yes">
        <source>%1
フォルダ：%2
%n 個のファイル

%3
%4</source>
        <translation>
            <numerusform>%1
Folder: %2
%n file

%3
%4</numerusform>
            <numerusform>%1
Folder: %2
%n files

%3
%4</numerusform>
        </translation>
    </message>
    <message>
        <source>ディレクトリ［%1］を開けません：%2</source>
        <translation>Cannot open the folder [%1]: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>次のファイルを移せませんでした：
%1</source>
        <translation>These files could not be moved:
%1</translation>
    </message>
    <message>
        <source>実行の記録ではありません。</source>
        <translation>This is not the record of a run.</translation>
    </message>
</context>
<context>
    <name>TextFileBrowse</name>
    <message>
        <source>テキストファイル (*.txt *.TXT)</source>
        <translation>Text files (*.txt *.TXT)</translation>
    </message>
    <message>
        <source>全てのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>--- 任意フィルタ ---</source>
        <translation>--- Custom filter ---</translation>
    </message>
    <message>
        <source>--- フィルタ解除 ---</source>
        <translation>--- No filter ---</translation>
    </message>
    <message>
        <source>フィルタ %1</source>
        <translation>Filter %1</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>メモリが足りません</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>ディレクトリを読めません: %1: %2</source>
        <translation>cannot read the directory: %1: %2</translation>
    </message>
    <message>
        <source>作業ディレクトリを読めません: %1</source>
        <translation>cannot read the working directory: %1</translation>
    </message>
    <message>
        <source>ルートディレクトリは変名できません: %1</source>
        <translation>the root directory cannot be renamed: %1</translation>
    </message>
    <message>
        <source>二度指定されたパスを飛ばします: %1</source>
        <translation>skipping a path given twice: %1</translation>
    </message>
    <message>
        <source>フォルダではありません</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>ファイルではありません</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>名前のファイルを読めません: %1: %2</source>
        <translation>cannot read the file of names: %1: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>設定を保存できません: %1: %2</source>
        <translation>cannot save the settings: %1: %2</translation>
    </message>
    <message>
        <source>ディレクトリが存在しません: %1</source>
        <translation>the directory does not exist: %1</translation>
    </message>
    <message>
        <source>連番Dir作成にはパスを指定できません（作成先は --dir で指定します）</source>
        <translation>numbered folders take no paths (give where to make them with --dir)</translation>
    </message>
    <message>
        <source>対象を指定してください（パス、--dir または --paths-from）</source>
        <translation>give what to rename (paths, --dir or --paths-from)</translation>
    </message>
    <message>
        <source>--dir を複数指定できるのはファイルの変名だけです</source>
        <translation>--dir can be given more than once only when renaming files</translation>
    </message>
    <message>
        <source>ディレクトリを読めません: %1</source>
        <translation>cannot read the directory: %1</translation>
    </message>
    <message>
        <source>前回の変名の記録を履歴に移せません: %1: %2</source>
        <translation>cannot move the record of the last rename into the history: %1: %2</translation>
    </message>
    <message>
        <source>記録が壊れています</source>
        <translation>the record is damaged</translation>
    </message>
    <message>
        <source>古い実行を履歴から外しました: %1</source>
        <translation>removed an old run from the history: %1</translation>
    </message>
    <message>
        <source>対象がありません</source>
        <translation>nothing to rename</translation>
    </message>
    <message>
        <source>中断された実行の記録が残っています。先に kestrel-cli --recover（または --recover=rollback）で片付けてください</source>
        <translation>the record of an interrupted run is left; deal with it first with kestrel-cli --recover (or --recover=rollback)</translation>
    </message>
    <message>
        <source>元に戻せる変名がありません</source>
        <translation>there is no rename to undo</translation>
    </message>
    <message>
        <source>元に戻しました。</source>
        <translation>Undone.</translation>
    </message>
    <message>
        <source>元に戻せませんでした。</source>
        <translation>Could not be undone.</translation>
    </message>
    <message>
        <source>中断された実行の記録はありません</source>
        <translation>there is no record of an interrupted run</translation>
    </message>
    <message>
        <source>（ファイルをそのままにして記録を破棄するには kestrel-cli --recover=discard）</source>
        <translation> (to leave the files as they are and discard the record: kestrel-cli --recover=discard)</translation>
    </message>
    <message>
        <source>削除しました。</source>
        <translation>Deleted.</translation>
    </message>
    <message>
        <source>移動しました。</source>
        <translation>Moved.</translation>
    </message>
    <message>
        <source>%1: ディレクトリを開けません: %2: %3</source>
        <translation>%1: cannot open the directory: %2: %3</translation>
    </message>
    <message>
        <source>記録を読めません: %1: %2</source>
        <translation>cannot read the record: %1: %2</translation>
    </message>
    <message>
        <source>実行の記録ではありません</source>
        <translation>not the record of a run</translation>
    </message>
    <message>
        <source>破棄しました。</source>
        <translation>Discarded.</translation>
    </message>
    <message>
        <source>記録を削除できません: %1: %2</source>
        <translation>cannot delete the record: %1: %2</translation>
    </message>
    <message>
        <source>使い方は kestrel-cli --help で表示します</source>
        <translation>kestrel-cli --help shows how to use it</translation>
    </message>
    <message>
        <source>--overwrite=ask は標準入力が端末のときだけ使えます</source>
        <translation>--overwrite=ask works only when standard input is a terminal</translation>
    </message>
    <message>
        <source>%1（--create-dirs で作成します）</source>
        <translation>%1 (--create-dirs makes it)</translation>
    </message>
    <message>
        <source>‘%1 ’ は既に存在しています。上書きしますか？ [y]はい / [a]全て上書き / [N]いいえ: </source>
        <translation>‘%1’ already exists. Overwrite it? [y]es / [a]ll / [N]o: </translation>
    </message>
    <message>
        <source>使い方: kestrel-cli [オプション] [パス...]

指定したファイル（--folders ならフォルダ）を、指定した順に変名します。
既定ではプレビューだけを表示し、ディスクには何も書きません。</source>
        <translation>Usage: kestrel-cli [options] [path...]

Renames the given files (folders with --folders) in the order given.
By default it only shows a preview and writes nothing to disk.</translation>
    </message>
    <message>
        <source>対象:
  パス...                 対象のファイルまたはフォルダ（指定した順が連番の順）
  --paths-from ファイル   対象のパスをファイルから読む（1 行に 1 つ、-0 なら NUL 区切り、- で標準入力）
                          通常のファイルか名前付きパイプ。パスは 4095 バイトまで、全体で 1 GiB まで
  --folders               フォルダを対象にする
  --dir ディレクトリ      ディレクトリ内の対象を全て追加する（連番Dir作成では作成先）
                          複数指定するとバッチ処理: ディレクトリごとに順に変名する
                          （ファイルの変名のみ。出力先は通常、連番の加算はせず、
                          どのディレクトリも同じ開始値から。--undo で全体を元に戻せる）
  --filter &quot;パターン&quot;     --dir で追加する名前のワイルドカード（; 区切り、例 &quot;*.jpg;*.png&quot;）
  --sort 項目             --dir の並び順: name、size、type、time、attr（既定 name）
  --numeric               名前の中の数字を数値として並べる
  --reverse               逆順に並べる
  --dummy-at 行           その行（0 から数える）にダミー行を挿入する（繰り返し可、行数以上なら末尾）</source>
        <translation>Targets:
  path...                 the files or folders to rename (numbered in the order given)
  --paths-from FILE       read the paths from a file (one a line, NUL-separated with -0, - for standard input);
                          a regular file or a named pipe, paths up to 4095 bytes, 1 GiB in all
  --folders               rename folders
  --dir DIRECTORY         add everything in the directory (with numbered folders: where they are made)
                          given more than once, a batch: the directories are renamed one after another
                          (renaming files only; output in place, numbers do not carry on,
                          every directory starts at the same value; --undo takes the whole batch back)
  --filter &quot;PATTERN&quot;      wildcards for the names --dir adds (separated by ;, e.g. &quot;*.jpg;*.png&quot;)
  --sort KEY              the order of --dir: name, size, type, time, attr (default name)
  --numeric               sort the digits in names as numbers
  --reverse               sort in reverse order
  --dummy-at ROW          insert a dummy row at that row (counted from 0; repeatable; past the end: last)</translation>
    </message>
    <message>
        <source>設定:
  --settings Rename|Default  保存されている設定から始める（既定 Rename: 前回の設定）
  --defaults              組み込みの初期値から始める
  --set 項目=値           設定項目を変更する（繰り返し可、項目名は下記）
  --save-settings         結果の設定を Rename に保存する</source>
        <translation>Settings:
  --settings Rename|Default  start from stored settings (default Rename: the last ones used)
  --defaults              start from the built-in initial values
  --set FIELD=VALUE       change a setting (repeatable; the field names are listed below)
  --save-settings         store the resulting settings as Rename</translation>
    </message>
    <message>
        <source>動作:
  （指定なし）            プレビュー: 1 行に 元の名前&lt;TAB&gt;新しい名前
                          連番Dir作成は作成するディレクトリ名、連結は 元の名前&lt;TAB&gt;出力ファイル
  --execute               実行し、結果を 対象&lt;TAB&gt;結果&lt;TAB&gt;状態 の行で表示する
  --overwrite=ask|never|all  既存ファイルを上書きするか（ask は標準入力が端末のときのみ、
                          既定は端末なら ask、そうでなければ never）
  --create-dirs           移動・複写先のディレクトリがなければ作成する
  --history               元に戻せる実行の一覧: 番号&lt;TAB&gt;日時&lt;TAB&gt;フォルダ&lt;TAB&gt;件数&lt;TAB&gt;種類&lt;TAB&gt;
                          いま元に戻せるか（最近の 50 回まで、新しい順）
  --undo[=番号]           最後の実行（番号を指定するとその実行）を元に戻す。後の実行が同じ
                          ファイルを変更していれば、先にそちらを元に戻す（中断された実行の
                          記録が残っている間は --recover が先）
  --recover[=finish|rollback|discard]  中断された実行を記録から完了する（finish、既定: 新しい
                          名前が使えなければ元の名前）か、元に戻す（rollback）か、ファイルを
                          そのままにして記録を破棄する（discard）。複写は実行が作ったそのもの
                          だけを削除する
  -0, --null              区切りをタブと改行ではなく NUL にする
  -h, --help              この説明を表示する
  -V, --version           バージョンを表示する</source>
        <translation>Actions:
  (none)                  preview: one line per item, old name&lt;TAB&gt;new name
                          numbered folders: the folder names to make; concatenation: old name&lt;TAB&gt;output file
  --execute               run, and show the result as lines of item&lt;TAB&gt;result&lt;TAB&gt;status
  --overwrite=ask|never|all  whether to overwrite existing files (ask only when standard input is a
                          terminal; default ask on a terminal, never otherwise)
  --create-dirs           make the folders to move or copy into when they do not exist
  --history               the runs that can be undone: number&lt;TAB&gt;time&lt;TAB&gt;folder&lt;TAB&gt;count&lt;TAB&gt;kind&lt;TAB&gt;
                          whether it can be undone now (the last 50 at most, newest first)
  --undo[=NUMBER]         undo the last run (or the run with that number). When a later run changed
                          the same files, that one is undone first (while the record of an interrupted
                          run is left, --recover comes first)
  --recover[=finish|rollback|discard]  complete an interrupted run from its record (finish, default:
                          the old name where the new one cannot be used), undo it (rollback), or
                          leave the files as they are and discard the record (discard). Copies are
                          deleted only when the run itself made them
  -0, --null              separate with NUL instead of tabs and newlines
  -h, --help              show this help
  -V, --version           show the version</translation>
    </message>
    <message>
        <source>終了コード:
  0  全て処理した（プレビューに問題がない）
  1  処理できなかった項目がある（プレビューに使えない名前や重複がある）
  2  コマンドラインや設定の誤り（何も読み書きしていない）</source>
        <translation>Exit codes:
  0  everything was done (the preview has no problems)
  1  some items could not be done (the preview has unusable or repeated names)
  2  an error in the command line or the settings (nothing was read or written)</translation>
    </message>
    <message>
        <source>日時の値は 2024-01-02T03:04:05 の形（ローカル時刻）で指定します。
連結の元ファイルは、標準入力が端末でなければ --set IsDelete=1 を指定したときだけ削除します。</source>
        <translation>Times are given as 2024-01-02T03:04:05 (local time).
Without a terminal on standard input, concatenation deletes its source files only with --set IsDelete=1.</translation>
    </message>
    <message>
        <source>ファイルの情報の置換文字（書式と各モードの文字列で使える）:
  %{camera}               写真の機種（Exif）
  %{width} %{height}      画像の幅と高さ（ピクセル）
  %{artist} %{album} %{title}  曲のアーティスト、アルバム、タイトル
  %{track}                曲のトラック番号（2 桁）
  %{year}                 曲の年
                          ファイルにない値は空。値の中の / と NUL は _ になる
  DateSource=1            日時の置換文字（%Y %y %m %d %H %h %M %s）に撮影日時を使う
                          （Exif の DateTimeOriginal、なければ DateTimeDigitized、
                          どちらもなければファイルの更新日時）</source>
        <translation>File information placeholders (in the format and in every mode&apos;s texts):
  %{camera}               the camera model of a photo (Exif)
  %{width} %{height}      the width and height of an image (pixels)
  %{artist} %{album} %{title}  the artist, album and title of a song
  %{track}                the track number of a song (2 digits)
  %{year}                 the year of a song
                          empty where the file has no value; / and NUL in a value become _
  DateSource=1            use the time taken for the time placeholders (%Y %y %m %d %H %h %M %s)
                          (Exif DateTimeOriginal, else DateTimeDigitized,
                          else the file&apos;s modification time)</translation>
    </message>
    <message>
        <source>設定項目:</source>
        <translation>Setting names:</translation>
    </message>
    <message>
        <source>%1 には値が必要です</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--dummy-at には 0 以上の行番号を指定してください: 「%1」</source>
        <translation>--dummy-at takes a row number of 0 or more: “%1”</translation>
    </message>
    <message>
        <source>--sort には name、size、type、time、attr のいずれかを指定してください: 「%1」</source>
        <translation>--sort takes one of name, size, type, time, attr: “%1”</translation>
    </message>
    <message>
        <source>--overwrite には ask、never、all のいずれかを指定してください: 「%1」</source>
        <translation>--overwrite takes one of ask, never, all: “%1”</translation>
    </message>
    <message>
        <source>--settings には Rename か Default を指定してください: 「%1」</source>
        <translation>--settings takes Rename or Default: “%1”</translation>
    </message>
    <message>
        <source>--recover には finish、rollback か discard を指定してください: 「%1」</source>
        <translation>--recover takes finish, rollback or discard: “%1”</translation>
    </message>
    <message>
        <source>--undo には --history に出る実行の番号を指定してください: 「%1」</source>
        <translation>--undo takes the number of a run that --history lists: “%1”</translation>
    </message>
    <message>
        <source>%1 は --execute、--undo、--history、--recover と同時に指定できません</source>
        <translation>%1 cannot be given together with --execute, --undo, --history or --recover</translation>
    </message>
    <message>
        <source>--settings と --defaults は同時に指定できません</source>
        <translation>--settings and --defaults cannot be given together</translation>
    </message>
    <message>
        <source>--dir とパスは同時に指定できません</source>
        <translation>--dir and paths cannot be given together</translation>
    </message>
    <message>
        <source>--undo、--history と --recover にはパスを指定できません</source>
        <translation>--undo, --history and --recover take no paths</translation>
    </message>
    <message>
        <source>--filter、--sort、--numeric、--reverse は --dir と一緒に指定してください</source>
        <translation>--filter, --sort, --numeric and --reverse go with --dir</translation>
    </message>
    <message>
        <source>%1 は値を取りません</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>パスのリストは通常のファイルか名前付きパイプでなければなりません: %1</source>
        <translation>the list of paths must be a regular file or a named pipe: %1</translation>
    </message>
    <message>
        <source>ファイルを読めません: %1: %2</source>
        <translation>cannot read the file: %1: %2</translation>
    </message>
    <message>
        <source>パスのリストを読めません: %1: %2</source>
        <translation>cannot read the list of paths: %1: %2</translation>
    </message>
    <message>
        <source>パスのリストが大きすぎます（上限 1 GiB）: %1</source>
        <translation>the list of paths is too large (at most 1 GiB): %1</translation>
    </message>
    <message>
        <source>%1: %2 番目のパスが長すぎます（上限 %3 バイト）</source>
        <translation>%1: path %2 is too long (at most %3 bytes)</translation>
    </message>
    <message>
        <source>%1 行目 %2 → 「%3」: %4</source>
        <translation>row %1: %2 → “%3”: %4</translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 の値が正しくありません: 「%2」（%3）</source>
        <translation>the value of %1 is not valid: “%2” (%3)</translation>
    </message>
    <message>
        <source>--set には 項目名=値 を指定してください: 「%1」</source>
        <translation>--set takes FIELD=VALUE: “%1”</translation>
    </message>
    <message>
        <source>不明な設定項目です: 「%1」</source>
        <translation>unknown setting: “%1”</translation>
    </message>
    <message>
        <source>2024-01-02T03:04:05 の形の、存在する日時を指定してください</source>
        <translation>give an existing time in the form 2024-01-02T03:04:05</translation>
    </message>
    <message>
        <source>%1 の整数を指定してください</source>
        <translation>give a whole number in the range %1</translation>
    </message>
    <message>
        <source>%1 のいずれかを指定してください</source>
        <translation>give one of %1</translation>
    </message>
    <message>
        <source>設定ファイルを読めません: %1: %2（--defaults なら組み込みの初期値から始めます）</source>
        <translation>cannot read the settings file: %1: %2 (--defaults starts from the built-in initial values)</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（上限 64 MiB）</source>
        <translation>the file is too large (at most 64 MiB)</translation>
    </message>
    <message>
        <source>処理実行日時</source>
        <translation>Time of the run</translation>
    </message>
    <message>
        <source>正規表現が正しくありません（%1文字目）: %2</source>
        <translation>The regular expression is not valid (at character %1): %2</translation>
    </message>
    <message>
        <source>移動先・複写先のディレクトリを指定してください。</source>
        <translation>Specify the folder to move or copy to.</translation>
    </message>
    <message>
        <source>書式を指定してください。</source>
        <translation>Specify the format.</translation>
    </message>
    <message>
        <source>名前のファイルを指定してください。</source>
        <translation>Specify the file of names.</translation>
    </message>
    <message>
        <source>出力ファイルを指定してください。</source>
        <translation>Specify the output file.</translation>
    </message>
</context>
<context>
    <name>exec</name>
    <message>
        <source>中止したため処理していません。</source>
        <translation>Not processed: the run was stopped.</translation>
    </message>
    <message>
        <source>同じディレクトリが既に処理されています。</source>
        <translation>The same folder has already been processed.</translation>
    </message>
    <message>
        <source>Kestrel（実行）</source>
        <translation>Kestrel (run)</translation>
    </message>
    <message>
        <source>アンドゥ</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>ファイル連結</source>
        <translation>Concatenate files</translation>
    </message>
    <message>
        <source>ごみ箱へ移動できませんでした: </source>
        <translation>Could not move to the trash: </translation>
    </message>
    <message>
        <source>テンポラリファイルの作成に失敗しました!!</source>
        <translation>Could not create the temporary file.</translation>
    </message>
    <message>
        <source>ファイル連結（エラー）</source>
        <translation>Concatenate files (error)</translation>
    </message>
    <message>
        <source>[%1] への出力に失敗しました!!</source>
        <translation>Could not write to [%1].</translation>
    </message>
    <message>
        <source>選択ファイルを削除しますか？</source>
        <translation>Delete the selected files?</translation>
    </message>
    <message>
        <source>次のファイルをごみ箱へ移動できませんでした。</source>
        <translation>The following files could not be moved to the trash.</translation>
    </message>
    <message>
        <source>ディレクトリ［%1］は別の実行が使用中です。
終わってからやり直してください。</source>
        <translation>The folder [%1] is in use by another run.
Try again when it has finished.</translation>
    </message>
    <message>
        <source>作業記録 [%1] を書き込めませんでした。
%2</source>
        <translation>Could not write the run&apos;s journal [%1].
%2</translation>
    </message>
    <message>
        <source>ほかの実行が終わるまで元に戻せません。</source>
        <translation>Cannot undo until the other run has finished.</translation>
    </message>
    <message>
        <source>実行 #%1 は履歴にありません。</source>
        <translation>Run #%1 is not in the history.</translation>
    </message>
    <message>
        <source>元に戻すための記録が壊れているか読めません: </source>
        <translation>The record for undoing is damaged or cannot be read: </translation>
    </message>
    <message>
        <source>後の実行が同じファイルを変更しています。先に次の実行を元に戻してください。</source>
        <translation>A later run changed the same files. Undo these runs first:</translation>
    </message>
    <message>
        <source>前回の変名を元に戻して良いですか？</source>
        <translation>Undo the last rename?</translation>
    </message>
    <message>
        <source>この実行を元に戻して良いですか？</source>
        <translation>Undo this run?</translation>
    </message>
    <message>
        <source>元に戻すための記録を保存できません: </source>
        <translation>Cannot save the record for undoing: </translation>
    </message>
    <message>
        <source>正規表現が正しくありません</source>
        <translation>the regular expression is not valid</translation>
    </message>
    <message>
        <source>移動先・複写先のディレクトリが指定されていません</source>
        <translation>no folder to move or copy to is given</translation>
    </message>
    <message>
        <source>新しい名前が空です</source>
        <translation>the new name is empty</translation>
    </message>
    <message>
        <source>この名前は使えません</source>
        <translation>this name cannot be used</translation>
    </message>
    <message>
        <source>新しい名前が長すぎます</source>
        <translation>the new name is too long</translation>
    </message>
    <message>
        <source>変名先のディレクトリがありません</source>
        <translation>the destination folder does not exist</translation>
    </message>
    <message>
        <source>変名先のディレクトリに書き込めません</source>
        <translation>cannot write to the destination folder</translation>
    </message>
    <message>
        <source>他の行と同じ名前になります</source>
        <translation>same name as another row</translation>
    </message>
    <message>
        <source>同じファイルが別の行にもあります</source>
        <translation>the same file is in another row too</translation>
    </message>
    <message>
        <source>変更後の名前は同じファイルの別の名前（ハードリンク）です</source>
        <translation>the new name is another name (hard link) of the same file</translation>
    </message>
    <message>
        <source>同じ名前のファイルが既にあります</source>
        <translation>a file of the same name already exists</translation>
    </message>
    <message>
        <source>同じ名前のファイルかフォルダが既にあります</source>
        <translation>a file or folder of the same name already exists</translation>
    </message>
    <message>
        <source>上書きしませんでした</source>
        <translation>not overwritten</translation>
    </message>
    <message>
        <source>新しい名前のファイルが元の名前のまま残ります</source>
        <translation>the file with the new name stays under its old name</translation>
    </message>
    <message>
        <source>同じ名前のファイルが実行中に作られました</source>
        <translation>a file of the same name was made during the run</translation>
    </message>
    <message>
        <source>ファイルが別のファイルに置き換えられています</source>
        <translation>the file has been replaced by another file</translation>
    </message>
    <message>
        <source>複写元のファイルが変わっています</source>
        <translation>the file copied from has changed</translation>
    </message>
    <message>
        <source>実行の記録が残る前に終わったため、複写したファイルか確かめられません</source>
        <translation>the run ended before its record was kept, so it cannot be confirmed this is the copied file</translation>
    </message>
    <message>
        <source>ファイルのオープンに失敗しました!!</source>
        <translation>Could not open the file.</translation>
    </message>
    <message>
        <source>ファイルのオープン時に共有違反がありました。
ファイルを使用しているソフトウェアを終了して
再度実行して下さい。

  ファイル名：[%1]</source>
        <translation>The file is in use by another program.
Close the program using it
and run again.

  File: [%1]</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>変更後の名前</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>処理</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>作成しました。</source>
        <translation>Created.</translation>
    </message>
    <message>
        <source>作成に失敗しました。</source>
        <translation>Could not create.</translation>
    </message>
    <message>
        <source>連結しました。</source>
        <translation>Concatenated.</translation>
    </message>
    <message>
        <source>連結に失敗しました。</source>
        <translation>Could not concatenate.</translation>
    </message>
    <message>
        <source>変名しました。</source>
        <translation>Renamed.</translation>
    </message>
    <message>
        <source>変名に失敗しました。</source>
        <translation>Could not rename.</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>名前のファイルを読めません: </source>
        <translation>Cannot read the file of names: </translation>
    </message>
    <message numerus="yes">
        <source>%n個のファイルが選択されています。</source>
        <translation>
            <numerusform>%n file is selected.</numerusform>
            <numerusform>%n files are selected.</numerusform>
        </translation>
    </message>
    <message>
        <source>&#x3000;■連番ディレクトリ作成
&#x3000;&#x3000;作成数：%1個</source>
        <translation>  ■ Create numbered folders
    Number to create: %1</translation>
    </message>
    <message>
        <source>&#x3000;■ファイル連結
&#x3000;&#x3000;既存ファイルなら追加</source>
        <translation>  ■ Concatenate files
    Append to an existing file</translation>
    </message>
    <message>
        <source>&#x3000;■ファイル連結
&#x3000;&#x3000;既存ファイルに上書き</source>
        <translation>  ■ Concatenate files
    Overwrite an existing file</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;選択ファイルを削除</source>
        <translation>    Delete the selected files</translation>
    </message>
    <message>
        <source>&#x3000;■名前変更
&#x3000;&#x3000;対象：フォルダ</source>
        <translation>  ■ Rename
    Items: folders</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Stay</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>複写</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&#x3000;■名前変更
&#x3000;&#x3000;対象：ファイル
&#x3000;&#x3000;出力先：%1</source>
        <translation>  ■ Rename
    Items: files
    Output: %1</translation>
    </message>
    <message>
        <source>実行しますか？</source>
        <translation>Run now?</translation>
    </message>
    <message>
        <source>ディレクトリ［%1］が存在しません!!
作成しますか？</source>
        <translation>The folder [%1] does not exist.
Create it?</translation>
    </message>
    <message>
        <source>ディレクトリの作成に失敗しました!!</source>
        <translation>Could not create the folder.</translation>
    </message>
    <message>
        <source>名前変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>フォルダ名変更</source>
        <translation>Rename folders</translation>
    </message>
    <message>
        <source>バッチ処理</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>連番ディレクトリ作成</source>
        <translation>Numbered folders</translation>
    </message>
    <message>
        <source>いいえ（記録が壊れています）</source>
        <translation>no (record damaged)</translation>
    </message>
    <message>
        <source> ほか%1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>いいえ（先に%1）</source>
        <translation>no (first%1)</translation>
    </message>
    <message>
        <source>#%1（記録が壊れています）</source>
        <translation>#%1 (record damaged)</translation>
    </message>
    <message>
        <source>#%1 %2 %3 %4（%5件）</source>
        <translation>#%1 %2 %3 %4 (%5 items)</translation>
    </message>
    <message>
        <source>元に戻すための記録を保存できないため、何も変更しません</source>
        <translation>Nothing is changed because the record for undoing cannot be saved</translation>
    </message>
    <message>
        <source>元に戻すための記録を仕上げられません</source>
        <translation>Cannot finish the record for undoing</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>正常に終了しました。</source>
        <translation>Completed successfully.</translation>
    </message>
    <message>
        <source>同じ名前のファイルが既に存在します。</source>
        <translation>A file of the same name already exists.</translation>
    </message>
    <message>
        <source>ファイルが別のファイルに置き換えられています。</source>
        <translation>The file has been replaced by another file.</translation>
    </message>
    <message>
        <source>変更後の名前は同じファイルの別の名前（ハードリンク）です。</source>
        <translation>The new name is another name (hard link) of the same file.</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません。</source>
        <translation>The file name is not valid.</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>Not a regular file.</translation>
    </message>
    <message>
        <source>設定ファイルの形式が正しくありません。</source>
        <translation>The settings file is not in the right form.</translation>
    </message>
</context>
</TS>
