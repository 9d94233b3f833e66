#include "exec/BatchRun.h"

#include "engine/RenameSettings.h"
#include "exec/CandidateSource.h"
#include "exec/PlanExecution.h"
#include "exec/Run.h"
#include "platform/FileIdentity.h"
#include "platform/Paths.h"

#include <algorithm>

namespace exec {

namespace {

bool SameFolder(const platform::FileIdentity &a, const platform::FileIdentity &b)
{
    return a.valid && b.valid && a.device == b.device && a.inode == b.inode;
}

// Lists one directory and renames its files; nothing when it has none.
void RunDirectory(const CRunRequest &request, const std::string &directory, CRenameSettings &settings,
                  IExecutionHost &host, CResultLog &log)
{
    CCandidateSource source(request, settings, directory);
    CRunPlan plan = StartPlan(settings);
    if (!source.AddTo(plan, log) || plan.records.empty())
        return;
    // Each directory's records are its own; none of them is kept for undo.
    CUndoList directoryUndo;
    RunRenamePlan(plan, settings, directoryUndo, log, host);
}

} // namespace

void RunBatch(const CRunRequest &request, CRenameSettings &settings, CUndoList &undo, IExecutionHost &host,
              CRunOutcome &outcome)
{
    if (host.WithdrawUndo() != 0) {
        outcome.failed = true;
        return;
    }
    undo = CUndoList();
    outcome.performed = outcome.clearCandidates = true;
    std::vector<platform::FileIdentity> done;
    for (std::size_t i = 0; i < request.directories.size(); ++i) {
        const std::string directory =
            platform::AbsolutePath(request.directories[i], request.currentDirectory);
        if (host.StopRequested()) {
            for (std::size_t rest = i; rest < request.directories.size(); ++rest)
                outcome.log.AddResult(
                    platform::AbsolutePath(request.directories[rest], request.currentDirectory),
                    kResultFailed, "中止したため処理していません。");
            return;
        }
        const platform::FileIdentity identity = platform::GetFolderIdentity(directory);
        if (std::any_of(done.begin(), done.end(),
                        [&](const platform::FileIdentity &d) { return SameFolder(d, identity); })) {
            outcome.log.AddResult(directory, kResultFailed, "同じディレクトリが既に処理されています。");
            continue;
        }
        done.push_back(identity);
        RunDirectory(request, directory, settings, host, outcome.log);
    }
}

} // namespace exec
