#include "cli/HelpText.h"

#include "engine/SettingsFields.h"
#include "platform/Translation.h"

#include "KestrelVersion.h"

namespace cli {

namespace {

// The blocks of the help, in order, with a blank line between them. A line at
// the left margin that ends in a colon is a heading of the manual page made
// from this text; the first line is its synopsis.
constexpr const char *kSections[] = {
    platform::TrMark("cli", R"(使い方: kestrel-cli [オプション] [パス...]

指定したファイル（--folders ならフォルダ）を、指定した順に変名します。
既定ではプレビューだけを表示し、ディスクには何も書きません。)"),
    platform::TrMark("cli", R"(対象:
  パス...                 対象のファイルまたはフォルダ（指定した順が連番の順）
  --paths-from ファイル   対象のパスをファイルから読む（1 行に 1 つ、-0 なら NUL 区切り、- で標準入力）
                          通常のファイルか名前付きパイプ。パスは 4095 バイトまで、全体で 1 GiB まで
  --folders               フォルダを対象にする
  --dir ディレクトリ      ディレクトリ内の対象を全て追加する（連番Dir作成では作成先）
                          複数指定するとバッチ処理: ディレクトリごとに順に変名する
                          （ファイルの変名のみ。出力先は通常、連番の加算はせず、
                          どのディレクトリも同じ開始値から。--undo で全体を元に戻せる）
  --filter "パターン"     --dir で追加する名前のワイルドカード（; 区切り、例 "*.jpg;*.png"）
  --sort 項目             --dir の並び順: name、size、type、time、attr（既定 name）
  --numeric               名前の中の数字を数値として並べる
  --reverse               逆順に並べる
  --dummy-at 行           その行（0 から数える）にダミー行を挿入する（繰り返し可、行数以上なら末尾）)"),
    platform::TrMark("cli", R"(設定:
  --settings Rename|Default  保存されている設定から始める（既定 Rename: 前回の設定）
  --defaults              組み込みの初期値から始める
  --set 項目=値           設定項目を変更する（繰り返し可、項目名は下記）
  --save-settings         結果の設定を Rename に保存する)"),
    platform::TrMark("cli", R"(動作:
  （指定なし）            プレビュー: 1 行に 元の名前<TAB>新しい名前
                          連番Dir作成は作成するディレクトリ名、連結は 元の名前<TAB>出力ファイル
  --execute               実行し、結果を 対象<TAB>結果<TAB>状態 の行で表示する
  --overwrite=ask|never|all  既存ファイルを上書きするか（ask は標準入力が端末のときのみ、
                          既定は端末なら ask、そうでなければ never）
  --create-dirs           移動・複写先のディレクトリがなければ作成する
  --history               元に戻せる実行の一覧: 番号<TAB>日時<TAB>フォルダ<TAB>件数<TAB>種類<TAB>
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
  -V, --version           バージョンを表示する)"),
    platform::TrMark("cli", R"(終了コード:
  0  全て処理した（プレビューに問題がない）
  1  処理できなかった項目がある（プレビューに使えない名前や重複がある）
  2  コマンドラインや設定の誤り（何も読み書きしていない）)"),
    platform::TrMark("cli", R"(日時の値は 2024-01-02T03:04:05 の形（ローカル時刻）で指定します。
連結の元ファイルは、標準入力が端末でなければ --set IsDelete=1 を指定したときだけ削除します。)"),
    platform::TrMark("cli", R"(ファイルの情報の置換文字（書式と各モードの文字列で使える）:
  %{camera}               写真の機種（Exif）
  %{width} %{height}      画像の幅と高さ（ピクセル）
  %{artist} %{album} %{title}  曲のアーティスト、アルバム、タイトル
  %{track}                曲のトラック番号（2 桁）
  %{year}                 曲の年
                          ファイルにない値は空。値の中の / と NUL は _ になる
  DateSource=1            日時の置換文字（%Y %y %m %d %H %h %M %s）に撮影日時を使う
                          （Exif の DateTimeOriginal、なければ DateTimeDigitized、
                          どちらもなければファイルの更新日時）)"),
};

} // namespace

std::string HelpText()
{
    std::string text;
    for (const char *section : kSections)
        text.append(text.empty() ? "" : "\n\n").append(platform::Tr("cli", section));
    text.append("\n").append(platform::Tr("cli", "設定項目:")).append("\n");
    std::size_t lineStart = text.size();
    for (const engine::SettingsField &field : engine::SettingsFields()) {
        if (text.size() - lineStart + field.name.size() > 76) {
            text.push_back('\n');
            lineStart = text.size();
        }
        text.append("  ").append(field.name);
    }
    text.push_back('\n');
    return text;
}

std::string VersionText()
{
    return std::string("kestrel-cli ") + kKestrelVersion + "\n";
}

} // namespace cli
