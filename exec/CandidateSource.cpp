#include "exec/CandidateSource.h"

#include "engine/RenameSettings.h"
#include "exec/Run.h"
#include "exec/RunPlan.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <cerrno>
#include <chrono>

namespace exec {

namespace {

// How long a run waits for a folder another run is working in before it lists it.
constexpr std::chrono::seconds kListingLockWait{3};

std::string OnlyDirectory(const CRunRequest &request)
{
    return request.directories.empty()
               ? std::string()
               : platform::AbsolutePath(request.directories.front(), request.currentDirectory);
}

} // namespace

CCandidateSource::CCandidateSource(const CRunRequest &request, const CRenameSettings &settings)
    : CCandidateSource(request, settings, OnlyDirectory(request))
{
}

CCandidateSource::CCandidateSource(const CRunRequest &request, const CRenameSettings &settings,
                                   std::string directory)
    : m_request(request), m_settings(settings), m_directory(std::move(directory))
{
}

bool CCandidateSource::List(CResultLog &log)
{
    if (m_directory.empty())
        return true;
    std::string busy;
    const int lockError = m_lock.Take({m_directory}, kListingLockWait, busy);
    if (lockError == EWOULDBLOCK) {
        log.AddResult(m_directory, kResultFailed, BusyFolderMessage(busy));
        return false;
    }
    m_listedUnderLock = lockError == 0;
    CandidateListing listing = m_request.listing;
    listing.folders = m_settings.TargetsFolders();
    // The stored flags cost a system call per file; only a run that unifies attributes needs them.
    listing.storedFlags =
        m_settings.IsFileAttribChange ? platform::StoredFlags::Read : platform::StoredFlags::Skip;
    if (const int code = ListCandidates(m_directory, HeldFolderHandle(m_directory), listing, m_listed)) {
        log.AddResult(m_directory, kResultFailed, platform::ErrorMessage(code));
        return false;
    }
    return true;
}

bool CCandidateSource::NextListed(CFileEntry &row)
{
    const std::vector<int> &placeholders = m_request.placeholderRows;
    bool placeholderDue = m_nextPlaceholder < placeholders.size() && placeholders[m_nextPlaceholder] == m_row;
    if (!placeholderDue) {
        if (m_listed.Take(row)) {
            ++m_row;
            return true;
        }
        // Placeholders beyond the last entry go at the end, in their order.
        if (m_nextPlaceholder >= placeholders.size())
            return false;
    }
    row = CFileEntry();
    row.isDummy = true;
    ++m_nextPlaceholder;
    ++m_row;
    return true;
}

bool CCandidateSource::Next(CFileEntry &row)
{
    if (!m_directory.empty())
        return NextListed(row);
    if (m_request.nextRow)
        return m_request.nextRow(row);
    if (m_next >= m_request.rows.size())
        return false;
    row = m_request.rows[m_next++];
    return true;
}

bool CCandidateSource::AddTo(CRunPlan &plan, CResultLog &log)
{
    if (!List(log))
        return false;
    plan.listedUnderLock = m_listedUnderLock;
    const std::size_t count = !m_directory.empty()           ? m_listed.Remaining()
                              : m_request.nextRow == nullptr ? m_request.rows.size()
                                                             : m_request.mostRows;
    plan.records.reserve(count);
    plan.nameStart.reserve(count);
    CFileEntry row;
    for (int index = 0; Next(row); ++index)
        AddPlanRow(plan, m_settings, row, index);
    return true;
}

bool CCandidateSource::TakeAll(std::vector<CFileEntry> &rows, CResultLog &log)
{
    if (!List(log))
        return false;
    CFileEntry row;
    while (Next(row))
        rows.push_back(std::move(row));
    return true;
}

} // namespace exec
