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

CCandidateMarks::CCandidateMarks(QObject *parent) : QObject(parent) {}

CCandidateMarks::~CCandidateMarks()
{
    Cancel();
}

void CCandidateMarks::Start(const std::vector<CFileEntry> &rows, const CRenameSettings &settings,
                            const std::string &directory)
{
    Cancel();
    if (std::exchange(m_foldersStale, false))
        m_folders.Invalidate();
    m_rows = &rows;
    m_settings = settings;
    m_directory = directory;
    m_worker = std::thread(&CCandidateMarks::compute, this, m_generation);
}

void CCandidateMarks::Cancel()
{
    ++m_generation;
    if (!m_worker.joinable())
        return;
    m_stop = true;
    m_worker.join();
    m_stop = false;
}

void CCandidateMarks::compute(std::uint64_t generation)
{
    std::vector<exec::PlanProblem> marks =
        PlanCandidateMarks(*m_rows, m_settings, m_directory, m_folders, &m_stop);
    if (m_stop)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, marks = std::move(marks)]() mutable {
            if (generation == m_generation)
                emit MarksReady(std::move(marks));
        },
        Qt::QueuedConnection);
}
