#include "engine/RenameSettings.h"
#include "exec/Captions.h"
#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "exec/PlanExecution.h"
#include "exec/RunRecorder.h"
#include "model/FileEntry.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <cerrno>
#include <chrono>
#include <set>
#include <string_view>

namespace exec {

namespace {

// How long a run waits for a folder that another run is working in.
constexpr std::chrono::milliseconds kLockWait{3000};

// The folders the steps of a plan take files from and put them into, each
// once (a run has many steps and mostly one or two folders).
std::vector<std::string> StepFolders(const CRunPlan &plan)
{
    std::set<std::string, std::less<>> folders;
    std::string_view last;
    for (const CPlanStep &step : plan.steps) {
        const CRenameRecord &r = plan.records[step.record];
        for (const std::string_view path : {r.oldPath.view(), r.newPath.view()}) {
            const std::size_t slash = path.rfind('/');
            const std::string_view folder = path.substr(0, slash == std::string::npos ? 0 : slash);
            if (folder != last)
                last = *folders.emplace(folder).first;
        }
    }
    return {folders.begin(), folders.end()};
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
        const OverwriteAnswer answer =
            overwriteAll ? OverwriteAnswer::All : host.AskOverwrite(r.newPath.str());
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
// log row per record; the records carried out go to the recorder. False, with
// nothing changed, when the journal or the run's record cannot be written.
bool RunCheckedPlan(CRunPlan &plan, CRunRecorder &recorder, CResultLog &log, IExecutionHost &host)
{
    AskOverwrites(plan, host);
    std::vector<std::uint32_t> stranded;
    const auto record = [&](const std::string &) { return recorder.PlanStarting(plan); };
    if (CarryOutPlan(plan, host, RunCaption(), stranded, record) != 0)
        return false;
    LogPlan(plan, stranded, log);
    recorder.PlanEnded(plan.records);
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
                         platform::Fill(platform::Tr("exec", "作業記録 [%1] を書き込めませんでした。\n%2"),
                                        {journal.path(), platform::ErrorMessage(error)}),
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

bool RunRenamePlan(CRunPlan &plan, CRenameSettings &settings, CRunRecorder &recorder, CResultLog &log,
                   IExecutionHost &host)
{
    {
        // The names of the target folders are let go before the run: a
        // folder of a million names would hold them all through it.
        CDirectoryNames folders;
        CheckPlan(plan, folders);
    }
    const int rowCount = plan.rowCount;
    if (!RunCheckedPlan(plan, recorder, log, host))
        return false;
    // Renumbering with 加算 continues after the rows of this run next time;
    // a batch starts every directory at the same number.
    if (settings.AdvancesNumbering() && !settings.IsInBatch)
        settings.NumberStart += rowCount * settings.NumberStep;
    return true;
}

} // namespace exec
