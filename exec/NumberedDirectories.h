#pragma once

#include "exec/DirectoryNames.h"
#include "exec/ResultLog.h"
#include "exec/RunPlan.h"
#include "platform/TimeFormat.h"

#include <string>

class CRenameSettings;

namespace exec {

class CRunRecorder;

// The plan of numbered-directory creation: NumDirCount records, one per
// directory NumDirStr + number (zero-padded to NumDirWidth) below parent, in
// newPath (oldPath empty), each with the first problem that keeps it from
// being made: the rules of a new name (and no trailing dot, which would make
// another name), another row with the same name, a name already on disk.
CRunPlan PlanNumberedDirectories(const CRenameSettings &settings, const std::string &parent,
                                 CDirectoryNames &folders);

// Creates the directories of a plan that have no problem, each stamped with
// the run's time and given GetNewDirAttributes; one log row per record. now
// is the moment of execution, used unless IsFileTimeChange asks for FileTime.
// Every directory made goes to the recorder, with its identity.
void CreateNumberedDirectories(const CRunPlan &plan, const CRenameSettings &settings, platform::TimeValue now,
                               CResultLog &log, CRunRecorder &recorder);

} // namespace exec
