#pragma once

#include "exec/ExecutionHost.h"
#include "exec/RunHistory.h"

#include <memory>
#include <vector>

namespace exec {

struct CRunPlan;

// Collects what one run changes into its undo record and, where the run is
// kept in a history, writes it there: with the records as planned before a
// plan's first step, so that a run killed half-way can still be taken back
// (the files say which steps were done), and as done at the end.
class CRunRecorder {
public:
    // undo receives the run's record at Finish where the run changed anything.
    // history: none for a run that keeps no history.
    CRunRecorder(CUndoList &undo, const CRunHistory *history, IExecutionHost &host, RunKind kind);
    ~CRunRecorder();
    CRunRecorder(const CRunRecorder &) = delete;
    CRunRecorder &operator=(const CRunRecorder &) = delete;

    // Before a plan's first step (its journal is on disk; its snapshot becomes
    // the run's). Non-zero: the
    // record cannot be kept and the plan must not start; a message said why.
    int PlanStarting(const CRunPlan &plan);
    // After a plan: its records that were carried out join the run's.
    void PlanEnded(CRenameRecords &records);
    // A change made outside a plan (a folder made, a source put in the trash).
    void Add(const CRenameRecord &record) { m_entry.undo.records.Add(record); }

    // The run is over: its entry gets its final form (or goes where nothing
    // changed) and older ones beyond the history's limits are dropped. False
    // when the entry could not be written; a message said so.
    bool Finish();
    // The runs dropped from the history to make room for this one.
    const std::vector<CRunSummary> &Dropped() const { return m_dropped; }

private:
    int ShowFailure(const char *what, int code);
    // Holds the history shared from the first write of the run's entry. 0 or an error code.
    int TakeLock();

    CUndoList &m_undo;
    const CRunHistory *m_history;
    IExecutionHost &m_host;
    CHistoryEntry m_entry;
    bool m_created = false;
    std::unique_ptr<CRunHistory::Lock> m_lock; // shared while the run's entry may be pending
    std::vector<CRunSummary> m_dropped;
};

} // namespace exec
