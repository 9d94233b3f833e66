#pragma once

#include "engine/RenameSettings.h"
#include "exec/DirectoryNames.h"
#include "exec/PlanProblem.h"
#include "model/FileEntry.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// The warning marks of candidate rows: the problems the run plan finds, the
// same the execution acts on, one per row (numbered directories to be made in
// `directory` included); empty for a concatenation. When `stop` is set while
// planning, what comes back means nothing.
std::vector<exec::PlanProblem> PlanCandidateMarks(const std::vector<CFileEntry> &rows,
                                                  const CRenameSettings &settings,
                                                  const std::string &directory,
                                                  exec::CDirectoryNames &folders,
                                                  const std::atomic<bool> *stop = nullptr);

// Computes the marks of the candidate rows on a worker thread, so that a
// keystroke in a panel does not wait for a plan of every row. The marks of
// the last Start arrive through MarksReady; those of a computation that was
// cancelled or followed by another Start never do. The folder names the plans
// look into are kept between computations.
//
// A Start never waits for the computation it replaces: that one is told to
// stop and left to end, and the new worker waits for it before it plans, so
// the folder names are used by one computation at a time.
class CCandidateMarks : public QObject {
    Q_OBJECT
public:
    explicit CCandidateMarks(QObject *parent = nullptr);
    // Cancels the computation and waits for the workers.
    ~CCandidateMarks() override;

    // Starts computing the marks of `rows` for `settings` (copied); a running
    // computation is told to stop and its marks dropped. `rows` (and the rows
    // of earlier Starts) are read until MarksReady arrives or Cancel returns:
    // the owner calls Cancel before changing them. Numbered directories are
    // planned in `directory`.
    void Start(const std::vector<CFileEntry> &rows, const CRenameSettings &settings,
               const std::string &directory);
    // Stops the computations; returns once no worker reads the rows.
    void Cancel();
    // The folders are read again at the next computation (after a listing or a run).
    void InvalidateFolders() { m_foldersStale = true; }

signals:
    // Emitted on the interface thread with the marks of the rows of the last
    // Start, as PlanCandidateMarks gives them.
    void MarksReady(std::vector<exec::PlanProblem> marks);

private:
    struct Run;
    // Worker thread: waits for the worker before it, then plans.
    void Compute(const std::shared_ptr<Run> &run, std::thread before);

    // Read and filled by one worker at a time.
    exec::CDirectoryNames m_folders;
    bool m_foldersStale = false;
    // Counts the computations started or cancelled: a result is delivered
    // only while its computation is still the latest.
    std::uint64_t m_generation = 0;
    std::shared_ptr<Run> m_run; // the latest computation
    std::thread m_worker;       // its worker, which joins the one before it
};
