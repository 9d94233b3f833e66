#pragma once

#include "exec/ExecutionHost.h"
#include "platform/Translation.h"

#include <string>
#include <vector>

class CRenameSettings;

namespace exec {

struct CRunOutcome;
struct CRunRequest;
class CRunRecorder;

// One directory of a batch: its absolute path, and whether an earlier one of
// the batch is the same directory (the same device and inode, whatever the
// path), which is then not run again.
struct CBatchDirectory {
    std::string path;
    bool repeated = false;
};
std::vector<CBatchDirectory> BatchDirectories(const std::vector<std::string> &directories,
                                              const std::string &currentDirectory);
inline constexpr const char *kRepeatedDirectoryReason =
    platform::TrMark("exec", "同じディレクトリが既に処理されています。");

// The rename of files run in each directory of a batch request in turn, in
// place, every directory numbered from the same start, into one log. A
// directory that cannot be listed, or that was already run under another
// path, gets a failed row and the others still run; a stop the host asks for
// ends the batch between directories, the rest logged as not run. What every
// directory's rename carried out goes to the recorder, as one run.
void RunBatch(const CRunRequest &request, CRenameSettings &settings, CRunRecorder &recorder,
              IExecutionHost &host, CRunOutcome &outcome);

} // namespace exec
