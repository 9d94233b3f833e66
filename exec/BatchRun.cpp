#include "exec/BatchRun.h"

#include "engine/RenameSettings.h"
#include "exec/CandidateSource.h"
#include "exec/PlanExecution.h"
#include "exec/Run.h"
#include "exec/RunRecorder.h"
#include "platform/FileIdentity.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <algorithm>

namespace exec {

namespace {

bool SameFolder(const platform::FileIdentity &a, const platform::FileIdentity &b)
{
    return a.valid && b.valid && a.device == b.device && a.inode == b.inode;
}

// Lists one directory and renames its files; nothing when it has none.
// False when the run's record could not be kept, which stops the batch.
bool RunDirectory(const CRunRequest &request, const std::string &directory, CRenameSettings &settings,
                  CRunRecorder &recorder, IExecutionHost &host, CResultLog &log)
{
    CCandidateSource source(request, settings, directory);
    CRunPlan plan = StartPlan(settings);
    if (!source.AddTo(plan, log) || plan.records.empty())
        return true;
    return RunRenamePlan(plan, settings, recorder, log, host);
}

} // namespace

std::vector<CBatchDirectory> BatchDirectories(const std::vector<std::string> &directories,
                                              const std::string &currentDirectory)
{
    std::vector<CBatchDirectory> batch;
    std::vector<platform::FileIdentity> seen;
    for (const std::string &directory : directories) {
        CBatchDirectory entry{platform::AbsolutePath(directory, currentDirectory)};
        const platform::FileIdentity identity = platform::GetFolderIdentity(entry.path);
        entry.repeated = std::any_of(seen.begin(), seen.end(), [&](const platform::FileIdentity &s) {
            return SameFolder(s, identity);
        });
        seen.push_back(identity);
        batch.push_back(std::move(entry));
    }
    return batch;
}

void RunBatch(const CRunRequest &request, CRenameSettings &settings, CRunRecorder &recorder,
              IExecutionHost &host, CRunOutcome &outcome)
{
    outcome.performed = outcome.clearCandidates = true;
    const std::vector<CBatchDirectory> batch =
        BatchDirectories(request.directories, request.currentDirectory);
    for (std::size_t i = 0; i < batch.size(); ++i) {
        if (host.StopRequested()) {
            for (std::size_t rest = i; rest < batch.size(); ++rest)
                outcome.log.AddResult(batch[rest].path, kResultFailed,
                                      platform::Tr("exec", "中止したため処理していません。"));
            return;
        }
        if (batch[i].repeated) {
            outcome.log.AddResult(batch[i].path, kResultFailed,
                                  platform::Tr("exec", kRepeatedDirectoryReason));
        } else if (!RunDirectory(request, batch[i].path, settings, recorder, host, outcome.log)) {
            outcome.failed = true;
            return;
        }
    }
}

} // namespace exec
