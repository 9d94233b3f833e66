#pragma once

#include "engine/RenameSettings.h"
#include "exec/DirectoryNames.h"
#include "exec/PlanProblem.h"
#include "model/FileEntry.h"

#include <QObject>

#include <atomic>
#include <cstdint>
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
class CCandidateMarks : public QObject {
    Q_OBJECT
public:
    explicit CCandidateMarks(QObject *parent = nullptr);
    // Cancels the computation and waits for the worker.
    ~CCandidateMarks() override;

    // Starts computing the marks of `rows` for `settings` (copied); a running
    // computation is cancelled first. `rows` is read until MarksReady arrives
    // or Cancel returns: the owner calls Cancel before changing them.
    // Numbered directories are planned in `directory`.
    void Start(const std::vector<CFileEntry> &rows, const CRenameSettings &settings,
               const std::string &directory);
    // Stops the computation; returns once the worker no longer reads the rows.
    void Cancel();
    // The folders are read again at the next computation (after a listing or a run).
    void InvalidateFolders() { m_foldersStale = true; }

signals:
    // Emitted on the interface thread with the marks of the rows of the last
    // Start, as PlanCandidateMarks gives them.
    void MarksReady(std::vector<exec::PlanProblem> marks);

private:
    void compute(std::uint64_t generation);

    const std::vector<CFileEntry> *m_rows = nullptr;
    CRenameSettings m_settings;
    std::string m_directory;
    // Read and filled by the worker; the interface thread invalidates it only
    // while no worker runs.
    exec::CDirectoryNames m_folders;
    bool m_foldersStale = false;
    // Counts the computations started or cancelled: a result is delivered
    // only while its computation is still the latest.
    std::uint64_t m_generation = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_worker;
};
