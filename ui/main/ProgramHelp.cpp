#include "ui/main/ProgramHelp.h"

#include "app/RenameApp.h"
#include "platform/Translation.h"

namespace {

// Read before the application object exists, so through platform::Tr.
constexpr const char *kHelp = platform::TrMark("ProgramHelp", R"(使い方: kestrel [パス...]

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
)");

} // namespace

std::optional<std::string> ProgramHelpAnswer(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return std::nullopt;
    if (args.front() == "-h" || args.front() == "--help")
        return platform::Tr("ProgramHelp", kHelp);
    if (args.front() == "-V" || args.front() == "--version")
        return "kestrel " + CRenameApp::FileVersion() + "\n";
    return std::nullopt;
}
