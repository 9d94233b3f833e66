#pragma once

#include "cli/Options.h"
#include "cli/PathList.h"
#include "exec/CompactStringSet.h"
#include "model/FileEntry.h"
#include "model/ListedCandidates.h"
#include "platform/Paths.h"

#include <memory>
#include <string>
#include <vector>

class CRenameSettings;

namespace cli {

// The rows of the candidate list, in order, placeholders included: the given
// paths one by one as they are read (so a long list streams), or every
// eligible entry of --dir in the chosen order. A path that cannot be read or
// is not of the kind being renamed throws UsageError, except one that is not
// there (it may have gone since it was listed): that is noted and yields a
// row whose step fails. A path given twice is skipped with a notice, as the
// candidate list never holds a file twice.
class CandidateRows {
public:
    // Throws UsageError when --dir or --paths-from cannot be read or is not a
    // list, InputReadError (from Next) when the list fails while it is read.
    CandidateRows(const Options &options, const CRenameSettings &settings);
    CandidateRows(const CandidateRows &) = delete;
    CandidateRows &operator=(const CandidateRows &) = delete;

    // The next row; false after the last one.
    bool Next(CFileEntry &row);

    // At most how many rows there are (placeholders aside), to make room
    // for them at once: the given paths, a list file's paths or the entries
    // a listed directory still gives; 0 for paths read from a pipe.
    std::size_t MostRows() const;

    // How many given paths were not there.
    std::size_t MissingCount() const { return m_missing; }

    // Every remaining row at once.
    std::vector<CFileEntry> TakeAll();

private:
    bool NextGivenPath(std::string &path);
    bool NextEntry(CFileEntry &entry);

    const Options &m_options;
    bool m_folders;
    platform::StoredFlags m_storedFlags;
    int m_rowIndex = 0;
    std::size_t m_nextDummy = 0;
    std::size_t m_missing = 0;

    // Given paths.
    std::size_t m_nextArgument = 0;
    std::unique_ptr<PathList> m_pathList;
    std::string m_workingDirectory;
    exec::CompactStringSet m_seenPaths;

    // Listed directory, already ordered.
    CListedCandidates m_listed;
};

// Paths given on the command line are read from the working directory.
using platform::AbsolutePath;

// The working directory in held form; throws UsageError when it cannot be read.
std::string WorkingDirectory();

} // namespace cli
