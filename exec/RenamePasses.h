#pragma once

#include "exec/ExecutionHost.h"
#include "exec/RenameRecord.h"
#include "exec/ResultLog.h"

#include <functional>
#include <string>
#include <vector>

class CFileEntry;
class CRenameSettings;

namespace exec {

// How the passes treat the entries of one run.
struct CPassOptions {
    bool folders = false; // plain moves, no time stamps
    bool copy = false;    // files are copied, the sources stay
    CRenameSnapshot snapshot;
};

// Where an entry should go, and the directory that path must lie in (a new
// name with "/" in it would leave it and is refused).
struct CPlannedPath {
    std::string newPath;
    std::string directory;
};
using PathPlanner = std::function<CPlannedPath(const CFileEntry &entry, int rowIndex)>;

// Builds one record per non-placeholder row, then moves every entry: first
// those whose new name is taken go to a temporary name and the others straight
// to their new name, then the temporarily named ones go on to their new names.
// Each record leaves exactly one log row. Returns false, with nothing changed,
// when the journal of the run cannot be written.
bool RunRenamePasses(const std::vector<CFileEntry> &candidates, const CRenameSettings &settings,
                     const PathPlanner &plan, const CPassOptions &options,
                     std::vector<CRenameRecord> &records, CResultLog &log, IExecutionHost &host);

} // namespace exec
