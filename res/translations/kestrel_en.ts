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
