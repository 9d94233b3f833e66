#pragma once

#include "exec/DirectoryLocks.h"
#include "exec/ResultLog.h"
#include "model/FileEntry.h"
#include "model/ListedCandidates.h"

#include <string>
#include <vector>

class CRenameSettings;

namespace exec {

struct CRunPlan;
struct CRunRequest;

// The candidate rows of one run, read once: the rows the request holds, the
// rows it streams, or the entries of one directory. A directory is locked
// before it is listed and stays locked while the source lives, so the
// listing cannot go stale before the run, and it is listed through the lock's
// own handle.
class CCandidateSource {
public:
    // The request's own rows (or its one directory).
    CCandidateSource(const CRunRequest &request, const CRenameSettings &settings);
    // The entries of directory (absolute, held form), listed as the request says.
    CCandidateSource(const CRunRequest &request, const CRenameSettings &settings, std::string directory);
    CCandidateSource(const CCandidateSource &) = delete;
    CCandidateSource &operator=(const CCandidateSource &) = delete;

    // Adds every row to plan. False, with a failed row in log saying why,
    // when the directory cannot be listed.
    bool AddTo(CRunPlan &plan, CResultLog &log);
    // Every row at once; false as for AddTo.
    bool TakeAll(std::vector<CFileEntry> &rows, CResultLog &log);

private:
    bool List(CResultLog &log);
    bool Next(CFileEntry &row);
    bool NextListed(CFileEntry &row);

    const CRunRequest &m_request;
    const CRenameSettings &m_settings;
    std::string m_directory; // empty: the request's rows
    CDirectoryLocks m_lock;
    bool m_listedUnderLock = false;
    CListedCandidates m_listed;
    std::size_t m_next = 0; // the request's own rows
    std::size_t m_nextPlaceholder = 0;
    int m_row = 0;
};

} // namespace exec
