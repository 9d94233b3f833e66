#include "exec/RunRecorder.h"

#include "exec/Captions.h"
#include "exec/RunPlan.h"
#include "platform/FileOps.h"
#include "platform/Translation.h"

#include <algorithm>

namespace exec {

namespace {

// How long a run waits for an undo in another process to let go of the history.
constexpr int kLockWaitMs = 3000;

} // namespace

CRunRecorder::CRunRecorder(CUndoList &undo, const CRunHistory *history, IExecutionHost &host, RunKind kind)
    : m_undo(undo), m_history(history), m_host(host)
{
    m_entry.time = platform::CurrentTime();
    m_entry.undo.kind = kind;
}

CRunRecorder::~CRunRecorder() = default;

int CRunRecorder::ShowFailure(const char *what, int code)
{
    const std::string path = m_created ? m_history->EntryPath(m_entry.number) : m_history->directory();
    m_host.ShowMessage(RunCaption(),
                       platform::Tr("exec", what) + ": " + path + "\n" + platform::ErrorMessage(code),
                       MessageIcon::Exclamation);
    return code;
}

int CRunRecorder::TakeLock()
{
    if (m_lock)
        return 0;
    m_lock = std::make_unique<CRunHistory::Lock>(*m_history, CRunHistory::Lock::Shared, kLockWaitMs);
    const int code = m_lock->Error();
    if (code != 0)
        m_lock.reset();
    return code;
}

int CRunRecorder::PlanStarting(const CRunPlan &plan)
{
    m_entry.undo.snapshot = plan.snapshot;
    if (!m_history)
        return 0;
    if (const int code = TakeLock())
        return ShowFailure(platform::TrMark("exec", "元に戻すための記録を保存できないため、何も変更しません"),
                           code);
    m_entry.undo.pending = true;
    NoteFolders(m_entry, plan.records);
    const int code =
        m_created ? m_history->Save(m_entry, plan.records) : m_history->Create(m_entry, plan.records);
    m_created = m_created || code == 0;
    return code == 0 ? 0
                     : ShowFailure(
                           platform::TrMark("exec", "元に戻すための記録を保存できないため、何も変更しません"),
                           code);
}

void CRunRecorder::PlanEnded(CRenameRecords &records)
{
    records.erase(
        std::remove_if(records.begin(), records.end(), [](const CRenameRecord &r) { return !r.Done(); }),
        records.end());
    // The first plan's records are taken whole: a large run holds them once.
    CRenameRecords &kept = m_entry.undo.records;
    if (kept.empty()) {
        kept = std::move(records);
        return;
    }
    for (const CRenameRecord &r : records)
        kept.Add(r);
}

bool CRunRecorder::Finish()
{
    CUndoList &run = m_entry.undo;
    bool written = true;
    if (m_history && (m_created || !run.records.empty())) {
        int code = 0;
        if (run.records.empty()) {
            // A run that changed nothing leaves no entry.
            code = m_history->Remove(m_entry.number);
        } else {
            run.pending = false;
            NoteFolders(m_entry);
            code = m_created ? m_history->Save(m_entry) : TakeLock();
            if (!m_created && code == 0)
                code = m_history->Create(m_entry);
            m_created = m_created || code == 0;
        }
        // The entry as planned stays where it could not be finished: an undo
        // then reads off the disk which of its steps were done.
        if (code != 0)
            written =
                ShowFailure(platform::TrMark("exec", "元に戻すための記録を仕上げられません"), code) == 0;
        m_lock.reset();
        const CRunHistory::Lock alone(*m_history, CRunHistory::Lock::Exclusive, 0);
        if (alone.Error() == 0)
            m_dropped = m_history->Trim();
    }
    if (!run.records.empty()) {
        run.available = true;
        m_undo = std::move(run);
    }
    return written;
}

} // namespace exec
