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
  • Files are renamed in place (output “Normal”).

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
    <name>CSepCharsDlg</name>
    <message>
        <source>ファイル連結（区切りの特殊文字）</source>
        <translation>Concatenation (separator codes)</translation>
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
