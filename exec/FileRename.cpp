#include "engine/RenameSettings.h"
#include "exec/Journal.h"
#include "exec/PlanExecution.h"
#include "exec/RenameExecution.h"
#include "model/FileEntry.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>

namespace exec {

namespace {

const char *const kCaption = "Kestrel（実行）";

// Renumbering with 加算 continues after the rows of this run next time.
void AdvanceNumberStart(CRenameSettings &settings, std::size_t rowCount)
{
    if (settings.RenameMode == kModeRenumber && settings.IsIncrement)
        settings.NumberStart += static_cast<int>(rowCount) * settings.NumberStep;
}

} // namespace

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

int CarryOutPlan(CRunPlan &plan, IExecutionHost &host, const std::string &caption,
                 std::vector<std::uint32_t> &stranded)
{
    SettleStays(plan);
    OrderPlan(plan);
    AssignTemporaryNames(plan);
    CRunJournal journal;
    if (std::any_of(plan.records.begin(), plan.records.end(),
                    [](const CRenameRecord &r) { return r.usesTemp; }))
        if (const int error = journal.Write(plan)) {
            host.ShowMessage(caption,
                             "作業記録 [" + journal.path() + "] を書き込めませんでした。\n" +
                                 platform::ErrorMessage(error),
                             MessageIcon::Exclamation);
            return error;
        }
    stranded = ExecutePlan(plan, host);
    return 0;
}

bool RunCheckedPlan(CRunPlan &plan, CUndoList &undo, CResultLog &log, IExecutionHost &host)
{
    AskOverwrites(plan, host);
    std::vector<std::uint32_t> stranded;
    // The undo of the last run stays until this one has begun.
    if (CarryOutPlan(plan, host, kCaption, stranded) != 0)
        return false;
    LogPlan(plan, stranded, log);
    undo.records = std::move(plan.records);
    undo.snapshot = plan.snapshot;
    undo.available = false;
    return true;
}

bool LacksDestination(const CRenameSettings &settings)
{
    const bool renamesFiles = settings.RenameMode != kModeNumberedDirs &&
                              settings.RenameMode != kModeConcatenate && settings.ObjMode != 1;
    return renamesFiles && StartPlan(settings).noDestination;
}

bool RefuseWithoutDestination(const CRenameSettings &settings, IExecutionHost &host)
{
    if (!LacksDestination(settings))
        return false;
    host.ShowMessage(kCaption, kNoDestinationMessage, MessageIcon::Exclamation);
    return true;
}

bool RenameFiles(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                 CResultLog &log, IExecutionHost &host)
{
    if (RefuseWithoutDestination(settings, host))
        return false;
    if (StartPlan(settings).snapshot.outputMode != kOutputInPlace &&
        !EnsureOutputDirectory(platform::NormalizeDirectory(settings.FileCopyDirectory), kCaption, host))
        return false;

    CDirectoryNames folders;
    CRunPlan plan = PlanRows(StartPlan(settings), candidates, settings, folders);
    if (!RunCheckedPlan(plan, undo, log, host))
        return false;
    if (!settings.IsInBatch)
        AdvanceNumberStart(settings, candidates.size());
    undo.available = true;
    return true;
}

void RenameFolders(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                   CResultLog &log, IExecutionHost &host)
{
    CDirectoryNames folders;
    CRunPlan plan = PlanRows(StartPlan(settings, true), candidates, settings, folders);
    if (RunCheckedPlan(plan, undo, log, host))
        AdvanceNumberStart(settings, candidates.size());
    undo.available = false;
}

} // namespace exec
