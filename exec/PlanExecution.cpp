#include "exec/PlanExecution.h"

#include "exec/DirectoryHandles.h"
#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "exec/TempNames.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {

namespace {

class CPlanRunner {
public:
    CPlanRunner(CRunPlan &plan, IExecutionHost &host, CRunJournal &journal)
        : m_plan(plan), m_host(host), m_journal(journal)
    {
        const std::size_t n = plan.records.size();
        m_waiter.assign(n, kNoRecord);
        for (const CPlanStep &step : plan.steps)
            if (plan.blocker[step.record] != kNoRecord)
                m_waiter[plan.blocker[step.record]] = step.record;
    }

    std::vector<std::uint32_t> Run();

private:
    // Moves or copies the file `moving` from one name to another. A copy (also
    // the one a move to another file system makes) goes into the journal
    // before it takes its name, and into copied.
    int Transfer(platform::PathView from, platform::PathView to, bool copy, bool replace,
                 const platform::FileIdentity &moving, platform::FileVersion *copied = nullptr)
    {
        // One reference captured, so that no step allocates for the observer.
        struct {
            CRunJournal &journal;
            platform::PathView to;
            platform::FileVersion *copied;
        } record{m_journal, to, copied};
        const platform::TransferOptions options{copy, replace, moving,
                                                [&record](const platform::FileVersion &made) {
                                                    if (record.copied)
                                                        *record.copied = made;
                                                    return record.journal.RecordCopy(record.to, made);
                                                }};
        return platform::MoveAt(m_handles.FolderOf(from), from, m_handles.FolderOf(to), to, options);
    }

    bool Skipped(std::uint32_t i) const { return m_plan.records[i].problem != PlanProblem::None; }
    int CheckSource(const CRenameRecord &r);
    void Direct(std::uint32_t i);
    void ToTemp(std::uint32_t i);
    void FromTemp(std::uint32_t i);
    void Arrived(CRenameRecord &r, const platform::FileVersion &copied);
    void Fail(std::uint32_t i, int error);
    void BlockWaiters(std::uint32_t i);
    void RevertCycle();

    CRunPlan &m_plan;
    IExecutionHost &m_host;
    CRunJournal &m_journal;
    CDirectoryHandles m_handles;
    std::vector<std::uint32_t> m_waiter;
    // The cycle under way in a move: the record at its temporary name and the
    // records that have followed it round so far.
    std::uint32_t m_cycle = kNoRecord;
    std::vector<std::uint32_t> m_cycleDone;
    std::vector<std::uint32_t> m_stranded;
};

// A file arrived at its new name: its identity for undo (the copy, where one
// was made, else the source's own), and the times and attributes the run
// unifies (a rename keeps them exactly otherwise).
void CPlanRunner::Arrived(CRenameRecord &r, const platform::FileVersion &copied)
{
    r.status = r.replaces ? RenameStatus::Replaced : RenameStatus::Renamed;
    if (copied.identity.valid)
        r.placed = copied;
    else if (r.source.valid)
        r.placed = {r.source, 0, 0};
    else
        r.placed = {platform::GetFileIdentity(r.newPath), 0, 0};
    const CRenameSnapshot &s = m_plan.snapshot;
    platform::FileStamp stamp;
    if (s.isFileTimeChange && !m_plan.folders)
        stamp.time = m_plan.ownTimes ? r.time : s.fileTime;
    if (s.isFileAttribChange)
        stamp.attributes = r.newAttributes;
    if (stamp.time || stamp.attributes)
        platform::StampFile(r.newPath, stamp);
}

// 0 when the file at the old path is still the one that was listed: a listing
// made stale by another run (or by anyone) moves nothing twice.
int CPlanRunner::CheckSource(const CRenameRecord &r)
{
    if (!r.source.valid || m_plan.listedUnderLock)
        return 0;
    const char *name = r.oldPath.c_str() + r.oldPath.view().rfind('/') + 1;
    const platform::FileIdentity now = platform::GetFileIdentityAt(m_handles.FolderOf(r.oldPath), name);
    if (!now.valid)
        return ENOENT;
    return platform::IsRecordedFile(r.source, now) ? 0 : platform::kErrorFileReplaced;
}

void CPlanRunner::Fail(std::uint32_t i, int error)
{
    CRenameRecord &r = m_plan.records[i];
    if (error == platform::kErrorFileReplaced) {
        r.problem = PlanProblem::FileReplaced;
    } else if (error == platform::kErrorTargetExists) {
        r.problem = PlanProblem::NameTakenSincePlanning;
    } else {
        r.problem = PlanProblem::StepFailed;
        r.error = error;
    }
}

// The files waiting for the name a record keeps keep theirs (all the way
// round, when the record starts a cycle).
void CPlanRunner::BlockWaiters(std::uint32_t i)
{
    for (std::uint32_t j = m_waiter[i]; j != kNoRecord && j != i && j != m_cycle; j = m_waiter[j])
        if (m_plan.records[j].problem == PlanProblem::None)
            m_plan.records[j].problem = PlanProblem::Blocked;
}

void CPlanRunner::Direct(std::uint32_t i)
{
    CRenameRecord &r = m_plan.records[i];
    platform::FileVersion copied;
    if (r.newPath == r.oldPath) {
        Arrived(r, copied);
        return;
    }
    int error = CheckSource(r);
    if (!error)
        error = Transfer(r.oldPath, r.newPath, m_plan.copy, r.replaces, r.source, &copied);
    if (!error) {
        Arrived(r, copied);
        if (m_cycle != kNoRecord)
            m_cycleDone.push_back(i);
        return;
    }
    Fail(i, error);
    if (m_cycle != kNoRecord)
        RevertCycle();
    else if (!m_plan.copy)
        BlockWaiters(i);
}

void CPlanRunner::ToTemp(std::uint32_t i)
{
    CRenameRecord &r = m_plan.records[i];
    platform::FileVersion copied;
    int error = CheckSource(r);
    if (!error)
        error = Transfer(r.oldPath, r.tempPath, m_plan.copy, false, r.source, &copied);
    if (error) {
        Fail(i, error);
        if (!m_plan.copy)
            BlockWaiters(i);
        return;
    }
    if (copied.identity.valid)
        r.placed = copied; // a copy keeps this identity on its way to the new name
    if (!m_plan.copy) {
        m_cycle = i;
        m_cycleDone.clear();
    }
}

void CPlanRunner::FromTemp(std::uint32_t i)
{
    CRenameRecord &r = m_plan.records[i];
    // A copy replaces another source of the run only once that one's copy is made.
    const std::uint32_t blocker = m_plan.blocker[i];
    if (m_plan.copy && blocker != kNoRecord && !m_plan.records[blocker].Done() &&
        m_plan.records[blocker].problem != PlanProblem::None) {
        r.problem = PlanProblem::Blocked;
        platform::DeleteFileIfVersion(r.tempPath, r.placed);
        return;
    }
    // A file moved to another file system on its way round is a copy from here on.
    platform::FileVersion copied = r.placed;
    const platform::FileIdentity moving = r.placed.identity.valid ? r.placed.identity : r.source;
    const int error = Transfer(r.tempPath, r.newPath, false, r.replaces || m_plan.copy, moving, &copied);
    if (!error) {
        Arrived(r, copied);
        m_cycle = kNoRecord;
        return;
    }
    Fail(i, error);
    if (m_plan.copy)
        platform::DeleteFileIfVersion(r.tempPath, r.placed);
    else
        RevertCycle();
}

// A step of a cycle failed: the files that followed round go back to their old
// names, newest first (each frees the name the one before needs), and the file
// at the temporary name returns to its own. The rest of the cycle stays.
void CPlanRunner::RevertCycle()
{
    const std::uint32_t first = m_cycle;
    m_cycle = kNoRecord;
    for (auto it = m_cycleDone.rbegin(); it != m_cycleDone.rend(); ++it) {
        CRenameRecord &r = m_plan.records[*it];
        if (Transfer(r.newPath, r.oldPath, false, false, r.placed.identity) != 0)
            continue; // it stays at its new name, which undo knows
        r.status = RenameStatus::NotRenamed;
        r.problem = PlanProblem::Blocked;
    }
    m_cycleDone.clear();
    CRenameRecord &f = m_plan.records[first];
    if (f.problem == PlanProblem::None)
        f.problem = PlanProblem::Blocked;
    if (Transfer(f.tempPath, f.oldPath, false, false, f.source) != 0)
        m_stranded.push_back(first);
    for (std::uint32_t j = m_waiter[first]; j != kNoRecord && j != first; j = m_waiter[j])
        if (m_plan.records[j].problem == PlanProblem::None && !m_plan.records[j].Done())
            m_plan.records[j].problem = PlanProblem::Blocked;
}

std::vector<std::uint32_t> CPlanRunner::Run()
{
    const int maximum = static_cast<int>(m_plan.steps.size());
    int position = 0;
    for (const CPlanStep &step : m_plan.steps) {
        m_host.ReportProgress(++position, maximum);
        if (Skipped(step.record))
            continue;
        switch (step.kind) {
        case StepKind::Direct:
            Direct(step.record);
            break;
        case StepKind::ToTemp:
            ToTemp(step.record);
            break;
        case StepKind::FromTemp:
            FromTemp(step.record);
            break;
        }
    }
    return std::move(m_stranded);
}

} // namespace

void AssignTemporaryNames(CRunPlan &plan)
{
    CTempNameAllocator temps;
    bool reserved = false;
    for (const CPlanStep &step : plan.steps) {
        if (step.kind != StepKind::ToTemp)
            continue;
        if (!reserved) {
            for (const CRenameRecord &r : plan.records)
                temps.Reserve(r.newPath);
            reserved = true;
        }
        CRenameRecord &r = plan.records[step.record];
        const CPathText beside = plan.copy ? r.newPath : r.oldPath;
        r.tempPath = plan.records.Store(temps.Allocate(platform::SplitPath(beside).directory, r.row));
        r.usesTemp = true;
    }
}

std::vector<std::uint32_t> ExecutePlan(CRunPlan &plan, IExecutionHost &host, CRunJournal &journal)
{
    return CPlanRunner(plan, host, journal).Run();
}

void LogPlan(const CRunPlan &plan, const std::vector<std::uint32_t> &stranded, CResultLog &log)
{
    std::vector<char> atTemp(plan.records.size(), 0);
    for (const std::uint32_t i : stranded)
        atTemp[i] = 1;
    log.Expect(plan.records.size());
    for (std::size_t i = 0; i < plan.records.size(); ++i) {
        const CRenameRecord &r = plan.records[i];
        const int code = static_cast<int>(r.status);
        log.AddResult(r.oldPath, atTemp[i] ? r.tempPath : r.newPath, code,
                      r.Done() ? std::string() : ProblemText(r.problem, r.error));
    }
}

} // namespace exec
