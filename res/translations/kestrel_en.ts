<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>in place</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>move</translation>
    </message>
    <message>
        <source>複写</source>
        <translation>copy</translation>
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
