#include "exec/RunDescription.h"

#include "exec/TextFill.h"
#include "platform/Paths.h"
#include "platform/TimeFormat.h"

namespace exec {

namespace {

const char *KindText(const CRunSummary &run)
{
    switch (run.kind) {
    case RunKind::Files:
        return run.output == OutputKind::Move ? "移動" : run.output == OutputKind::Copy ? "複写" : "名前変更";
    case RunKind::Folders:
        return "フォルダ名変更";
    case RunKind::Batch:
        return "バッチ処理";
    case RunKind::NumberedDirectories:
        return "連番ディレクトリ作成";
    case RunKind::Concatenation:
        return "ファイル連結";
    }
    return "";
}

} // namespace

CRunRow DescribeRunRow(const CRunSummary &run, const std::vector<std::uint64_t> &inTheWay)
{
    CRunRow row;
    row.number = std::to_string(run.number);
    if (run.damaged) {
        row.undoable = "いいえ（記録が壊れています）";
        return row;
    }
    row.time = platform::FormatLocalTime(run.time, "%Y/%m/%d %H:%M:%S");
    row.folder = platform::DisplayDirectory(run.firstFolder);
    if (run.folderCount > 1)
        row.folder += FillText(" ほか%d", {std::to_string(run.folderCount - 1)});
    row.count = std::to_string(run.count);
    row.kind = KindText(run);
    if (inTheWay.empty()) {
        row.undoable = "はい";
    } else {
        row.undoable = "いいえ（先に";
        for (const std::uint64_t later : inTheWay)
            row.undoable += " #" + std::to_string(later);
        row.undoable += "）";
    }
    return row;
}

std::string DescribeRun(const CRunSummary &run)
{
    const CRunRow row = DescribeRunRow(run, {});
    if (run.damaged)
        return "#" + row.number + "（記録が壊れています）";
    return "#" + row.number + " " + row.time + " " + row.kind + " " + row.folder + "（" + row.count + "件）";
}

} // namespace exec
