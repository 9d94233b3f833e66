#include "exec/HistoryUndo.h"

#include "exec/Captions.h"
#include "platform/FileOps.h"
#include "platform/Translation.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace exec {

namespace {

// How long an undo waits for a run in another process to end.
constexpr int kLockWaitMs = 3000;

using PathSet = std::unordered_set<std::string_view>;

// The paths a run touched: where its entries were and where it put them.
PathSet PathsOf(const CUndoList &undo)
{
    PathSet paths;
    for (const CRenameRecord &r : undo.records) {
        if (!r.Done() && !(undo.pending && r.problem == PlanProblem::None))
            continue;
        for (const CPathText path : {r.oldPath, r.newPath})
            if (!path.empty())
                paths.insert(path.view());
    }
    return paths;
}

// A path of `paths` is one of `in`, or inside one of them.
bool AnyWithin(const PathSet &paths, const PathSet &in)
{
    for (std::string_view path : paths)
        for (;;) {
            if (in.count(path))
                return true;
            const std::size_t slash = path.rfind('/');
            if (slash == std::string_view::npos || slash == 0)
                break;
            path = path.substr(0, slash);
        }
    return false;
}

bool Overlap(const PathSet &a, const PathSet &b)
{
    return AnyWithin(a, b) || AnyWithin(b, a);
}

// The later runs of list in the way of run, each read in turn.
std::vector<std::uint64_t> LaterRunsInTheWay(const CRunHistory &history, const std::vector<CRunSummary> &list,
                                             const CHistoryEntry &run)
{
    std::vector<std::uint64_t> inTheWay;
    std::optional<PathSet> paths;
    for (const CRunSummary &later : list) {
        CHistoryEntry entry;
        if (later.number <= run.number || later.damaged ||
            history.Load(later.number, entry) != CRunHistory::LoadResult::Loaded)
            continue;
        if (!paths)
            paths = PathsOf(run.undo);
        if (Overlap(*paths, PathsOf(entry.undo)))
            inTheWay.push_back(later.number);
    }
    return inTheWay;
}

} // namespace

std::vector<std::vector<std::uint64_t>> RunsInTheWay(const CRunHistory &history,
                                                     const std::vector<CRunSummary> &list)
{
    // Every entry is read once; the sets look into the records they came from.
    std::vector<CHistoryEntry> entries(list.size());
    std::vector<PathSet> paths(list.size());
    std::vector<char> readable(list.size(), 0);
    for (std::size_t i = 0; i < list.size(); ++i) {
        readable[i] =
            !list[i].damaged && history.Load(list[i].number, entries[i]) == CRunHistory::LoadResult::Loaded;
        if (readable[i])
            paths[i] = PathsOf(entries[i].undo);
    }
    std::vector<std::vector<std::uint64_t>> inTheWay(list.size());
    for (std::size_t run = 0; run < list.size(); ++run)
        for (std::size_t later = 0; later < run && readable[run]; ++later)
            if (readable[later] && Overlap(paths[later], paths[run]))
                inTheWay[run].push_back(list[later].number);
    return inTheWay;
}

CUndoReport UndoFromHistory(const CRunHistory &history, std::uint64_t number, IExecutionHost &host,
                            const UndoRowSink &onRecord)
{
    const CRunHistory::Lock alone(history, CRunHistory::Lock::Exclusive, kLockWaitMs);
    if (alone.Error() != 0) {
        host.ShowMessage(UndoCaption(), platform::Tr("exec", "ほかの実行が終わるまで元に戻せません。"),
                         MessageIcon::Exclamation);
        return {};
    }
    const std::vector<CRunSummary> list = history.List();
    const auto run =
        std::find_if(list.begin(), list.end(), [&](const CRunSummary &s) { return s.number == number; });
    CHistoryEntry entry;
    if (run == list.end() || run->damaged || history.Load(number, entry) != CRunHistory::LoadResult::Loaded) {
        host.ShowMessage(UndoCaption(),
                         run == list.end()
                             ? platform::Fill(platform::Tr("exec", "実行 #%1 は履歴にありません。"),
                                              {std::to_string(number)})
                             : platform::Tr("exec", "元に戻すための記録が壊れているか読めません: ") +
                                   history.EntryPath(number),
                         MessageIcon::Exclamation);
        return {};
    }
    const std::vector<std::uint64_t> later = LaterRunsInTheWay(history, list, entry);
    if (!later.empty()) {
        std::string text =
            platform::Tr("exec",
                         "後の実行が同じファイルを変更しています。先に次の実行を元に戻してください。") +
            "\n";
        for (const std::uint64_t n : later)
            text += "\n" + DescribeRun(*std::find_if(list.begin(), list.end(),
                                                     [&](const CRunSummary &s) { return s.number == n; }));
        host.ShowMessage(UndoCaption(), text, MessageIcon::Exclamation);
        return {};
    }
    const std::string question =
        run == list.begin()
            ? platform::Tr("exec", "前回の変名を元に戻して良いですか？")
            : DescribeRun(*run) + "\n\n" + platform::Tr("exec", "この実行を元に戻して良いですか？");
    if (!host.Ask(QuestionKind::ConfirmUndo, UndoCaption(), question))
        return {};
    std::vector<CUndoFailure> unverified;
    if (entry.undo.pending)
        unverified = SettlePendingUndo(entry.undo);
    CUndoReport report = TakeBackRun(entry.undo, host, onRecord);
    report.failures.insert(report.failures.begin(), unverified.begin(), unverified.end());
    // What could not be taken back stays recorded, so that it can be tried again.
    const int code = entry.undo.records.empty() ? history.Remove(number) : history.Save(entry);
    if (code != 0)
        host.ShowMessage(UndoCaption(),
                         platform::Tr("exec", "元に戻すための記録を保存できません: ") +
                             history.EntryPath(number) + "\n" + platform::ErrorMessage(code),
                         MessageIcon::Exclamation);
    return report;
}

} // namespace exec
