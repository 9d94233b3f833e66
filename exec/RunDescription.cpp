#include "exec/RunDescription.h"

#include "platform/Paths.h"
#include "platform/TimeFormat.h"
#include "platform/Translation.h"

namespace exec {

namespace {

std::string KindText(const CRunSummary &run)
{
    switch (run.kind) {
    case RunKind::Files:
        return run.output == OutputKind::Move   ? platform::Tr("exec", "移動")
               : run.output == OutputKind::Copy ? platform::Tr("exec", "複写")
                                                : platform::Tr("exec", "名前変更");
    case RunKind::Folders:
        return platform::Tr("exec", "フォルダ名変更");
    case RunKind::Batch:
        return platform::Tr("exec", "バッチ処理");
    case RunKind::NumberedDirectories:
        return platform::Tr("exec", "連番ディレクトリ作成");
    case RunKind::Concatenation:
        return platform::Tr("exec", "ファイル連結");
    }
    return "";
}

} // namespace

CRunRow DescribeRunRow(const CRunSummary &run, const std::vector<std::uint64_t> &inTheWay)
{
    CRunRow row;
    row.number = std::to_string(run.number);
    if (run.damaged) {
        row.undoable = platform::Tr("exec", "いいえ（記録が壊れています）");
        return row;
    }
    row.time = platform::FormatLocalTime(run.time, "%Y/%m/%d %H:%M:%S");
    row.folder = platform::DisplayDirectory(run.firstFolder);
    if (run.folderCount > 1)
        row.folder += platform::Fill(platform::Tr("exec", " ほか%1"), {std::to_string(run.folderCount - 1)});
    row.count = std::to_string(run.count);
    row.kind = KindText(run);
    if (inTheWay.empty()) {
        row.undoable = platform::Tr("exec", "はい");
    } else {
        std::string runs;
        for (const std::uint64_t later : inTheWay)
            runs += " #" + std::to_string(later);
        row.undoable = platform::Fill(platform::Tr("exec", "いいえ（先に%1）"), {runs});
    }
    return row;
}

std::string DescribeRun(const CRunSummary &run)
{
    const CRunRow row = DescribeRunRow(run, {});
    if (run.damaged)
        return platform::Fill(platform::Tr("exec", "#%1（記録が壊れています）"), {row.number});
    return platform::Fill(platform::Tr("exec", "#%1 %2 %3 %4（%5件）"),
                          {row.number, row.time, row.kind, row.folder, row.count});
}

} // namespace exec
