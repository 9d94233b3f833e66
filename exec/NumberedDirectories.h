#pragma once

#include "exec/PlanProblem.h"
#include "exec/ResultLog.h"
#include "platform/TimeFormat.h"

#include <string>

class CRenameSettings;

namespace exec {

// Why name cannot be the name of a new numbered directory: the rules of a new
// name, and no trailing dot (the directory would be created as another name).
PlanProblem NumberedDirectoryProblem(const std::string &name);

// Creates NumDirCount directories NumDirStr + number (zero-padded to
// NumDirWidth) below parentDirectory, each stamped with the run's time and
// given GetNewDirAttributes; one log row per directory. now is the moment of
// execution, used unless IsFileTimeChange asks for FileTime.
void CreateNumberedDirectories(const CRenameSettings &settings, const std::string &parentDirectory,
                               platform::TimeValue now, CResultLog &log);

} // namespace exec
