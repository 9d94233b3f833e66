#include "ui/main/CandidateMarks.h"

#include "exec/NumberedDirectories.h"
#include "exec/RunPlan.h"

#include <utility>

std::vector<exec::PlanProblem> PlanCandidateMarks(const std::vector<CFileEntry> &rows,
                                                  const CRenameSettings &settings,
                                                  const std::string &directory,
                                                  exec::CDirectoryNames &folders,
                                                  const std::atomic<bool> *stop)
{
    if (settings.Concatenates())
        return {};
    const exec::CRunPlan plan =
        settings.CreatesNumberedDirectories()
            ? exec::PlanNumberedDirectories(settings, directory, folders)
            : exec::PlanRows(exec::StartPlan(settings), rows, settings, folders, stop);
    std::vector<exec::PlanProblem> marks(rows.size(), exec::PlanProblem::None);
    for (const exec::CRenameRecord &r : plan.records)
        if (static_cast<std::size_t>(r.row) < marks.size())
            marks[static_cast<std::size_t>(r.row)] = r.problem;
    return marks;
}

// What the interface thread and one worker share.
struct CCandidateMarks::Run {
    const std::vector<CFileEntry> *rows = nullptr;
    CRenameSettings settings;
    std::string directory;
    bool invalidateFolders = false;
    std::uint64_t generation = 0;
    std::atomic<bool> stop{false};
};

CCandidateMarks::CCandidateMarks(QObject *parent) : QObject(parent) {}

CCandidateMarks::~CCandidateMarks()
{
    Cancel();
}

void CCandidateMarks::Start(const std::vector<CFileEntry> &rows, const CRenameSettings &settings,
                            const std::string &directory)
{
    ++m_generation;
    if (m_run)
        m_run->stop = true;
    m_run = std::make_shared<Run>();
    m_run->rows = &rows;
    m_run->settings = settings;
    m_run->directory = directory;
    m_run->invalidateFolders = std::exchange(m_foldersStale, false);
    m_run->generation = m_generation;
    m_worker = std::thread(&CCandidateMarks::Compute, this, m_run, std::move(m_worker));
}

void CCandidateMarks::Cancel()
{
    ++m_generation;
    if (!m_worker.joinable())
        return;
    m_run->stop = true;
    m_worker.join();
    m_run.reset();
}

void CCandidateMarks::Compute(const std::shared_ptr<Run> &run, std::thread before)
{
    if (before.joinable())
        before.join();
    // Even when this computation was replaced too: the next one relies on it.
    if (run->invalidateFolders)
        m_folders.Invalidate();
    if (run->stop)
        return;
    std::vector<exec::PlanProblem> marks =
        PlanCandidateMarks(*run->rows, run->settings, run->directory, m_folders, &run->stop);
    if (run->stop)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, generation = run->generation, marks = std::move(marks)]() mutable {
            if (generation == m_generation)
                emit MarksReady(std::move(marks));
        },
        Qt::QueuedConnection);
}
