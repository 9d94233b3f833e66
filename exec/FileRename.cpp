#include "engine/RenameSettings.h"
#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "exec/PlanExecution.h"
#include "exec/RenameExecution.h"
#include "model/FileEntry.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace exec {

namespace {

const char *const kCaption = "Kestrel（実行）";

// How long a run waits for a folder that another run is working in.
constexpr std::chrono::milliseconds kLockWait{3000};

// The folders the steps of a plan take files from and put them into.
std::vector<std::string> StepFolders(const CRunPlan &plan)
{
    std::vector<std::string> folders;
    for (const CPlanStep &step : plan.steps) {
        const CRenameRecord &r = plan.records[step.record];
        folders.push_back(platform::SplitPath(r.oldPath).directory);
        folders.push_back(platform::SplitPath(r.newPath).directory);
    }
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    return folders;
}

// Asks the overwrite question for every record whose new name belongs to an
// entry outside the run (全て上書き answers the rest): yes lets it replace,
// no keeps its old name.
void AskOverwrites(CRunPlan &plan, IExecutionHost &host)
{
    bool overwriteAll = false;
    for (CRenameRecord &r : plan.records) {
        if (r.problem != PlanProblem::ExistingTarget)
            continue;
        const OverwriteAnswer answer = overwriteAll ? OverwriteAnswer::All : host.AskOverwrite(r.newPath);
        overwriteAll = answer == OverwriteAnswer::All;
        if (answer == OverwriteAnswer::No) {
            r.problem = PlanProblem::OverwriteDeclined;
        } else {
            r.problem = PlanProblem::None;
            r.replaces = true;
        }
    }
}

// Runs a checked plan: the questions, the order, the journal, the steps, one
// log row per record; the undo list then holds the plan's records where the
// run changed anything (changed), and stays the last run's otherwise. False,
// with nothing changed and the undo list untouched, when the journal or the
// host's undo record cannot be written.
bool RunCheckedPlan(CRunPlan &plan, CUndoList &undo, CResultLog &log, IExecutionHost &host, bool &changed)
{
    AskOverwrites(plan, host);
    std::vector<std::uint32_t> stranded;
    const auto recordUndo = [&](const std::string &journal) { return host.RunStarting(plan, journal); };
    if (CarryOutPlan(plan, host, kCaption, stranded, recordUndo) != 0)
        return false;
    LogPlan(plan, stranded, log);
    changed = !stranded.empty() || std::any_of(plan.records.begin(), plan.records.end(),
                                               [](const CRenameRecord &r) { return r.Done(); });
    if (changed) {
        undo.records = std::move(plan.records);
        undo.snapshot = plan.snapshot;
        undo.available = false;
    }
    return true;
}

} // namespace

int CarryOutPlan(CRunPlan &plan, IExecutionHost &host, const std::string &caption,
                 std::vector<std::uint32_t> &stranded,
                 const std::function<int(const std::string &journal)> &beforeFirstStep)
{
    SettleStays(plan);
    OrderPlan(plan);
    AssignTemporaryNames(plan);
    if (plan.steps.empty())
        return 0;
    CDirectoryLocks locks;
    std::string busy;
    if (const int error = locks.Take(StepFolders(plan), kLockWait, busy)) {
        host.ShowMessage(caption,
                         error == EWOULDBLOCK ? BusyFolderMessage(busy) : platform::ErrorMessage(error),
                         MessageIcon::Exclamation);
        return error;
    }
    CRunJournal journal;
    if (const int error = journal.Write(plan)) {
        host.ShowMessage(caption,
                         "作業記録 [" + journal.path() + "] を書き込めませんでした。\n" +
                             platform::ErrorMessage(error),
                         MessageIcon::Exclamation);
        return error;
    }
    if (beforeFirstStep)
        if (const int error = beforeFirstStep(journal.path()))
            return error;
    stranded = ExecutePlan(plan, host, journal);
    // A file left under a temporary name needs the journal to find its way home.
    if (!stranded.empty())
        journal.Keep();
    return 0;
}

const char *MissingDestinationMessage(const CRenameSettings &settings)
{
    if (settings.Concatenates())
        return settings.OutputFile.empty() ? kNoOutputFileMessage : nullptr;
    const bool renamesFiles = settings.RenamesFiles();
    return renamesFiles && StartPlan(settings).noDestination ? kNoDestinationMessage : nullptr;
}

bool RefuseWithoutDestination(const CRenameSettings &settings, IExecutionHost &host)
{
    const char *missing = MissingDestinationMessage(settings);
    if (!missing)
        return false;
    host.ShowMessage(kCaption, missing, MessageIcon::Exclamation);
    return true;
}

bool PrepareRename(const CRenameSettings &settings, IExecutionHost &host)
{
    if (RefuseWithoutDestination(settings, host))
        return false;
    if (settings.TargetsFolders() || StartPlan(settings).snapshot.outputMode == OutputKind::InPlace)
        return true;
    return EnsureOutputDirectory(platform::NormalizeDirectory(settings.FileCopyDirectory), kCaption, host);
}

bool RunRename(CRunPlan &plan, CRenameSettings &settings, CUndoList &undo, CResultLog &log,
               IExecutionHost &host)
{
    CDirectoryNames folders;
    CheckPlan(plan, folders);
    const int rowCount = plan.rowCount;
    const bool folderRun = plan.folders;
    bool changed = false;
    if (!RunCheckedPlan(plan, undo, log, host, changed))
        return false;
    // Renumbering with 加算 continues after the rows of this run next time
    // (a batch carries the numbering on itself).
    if (settings.AdvancesStart() && (folderRun || !settings.IsInBatch))
        settings.NumberStart += rowCount * settings.NumberStep;
    // Folders cannot be undone; a run that changed nothing keeps the last one's undo.
    if (changed)
        undo.available = !folderRun;
    host.RunEnded(undo, changed);
    return true;
}

namespace {

CRunPlan AllRows(CRunPlan plan, const std::vector<CFileEntry> &candidates, const CRenameSettings &settings)
{
    plan.records.reserve(candidates.size());
    for (std::size_t row = 0; row < candidates.size(); ++row)
        AddPlanRow(plan, settings, candidates[row], static_cast<int>(row));
    return plan;
}

} // namespace

bool RenameFiles(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                 CResultLog &log, IExecutionHost &host)
{
    if (!PrepareRename(settings, host))
        return false;
    CRunPlan plan = AllRows(StartPlan(settings), candidates, settings);
    return RunRename(plan, settings, undo, log, host);
}

void RenameFolders(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                   CResultLog &log, IExecutionHost &host)
{
    CRunPlan plan = AllRows(StartPlan(settings, true), candidates, settings);
    RunRename(plan, settings, undo, log, host);
}

} // namespace exec
