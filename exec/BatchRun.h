#pragma once

#include "exec/ExecutionHost.h"

class CRenameSettings;

namespace exec {

struct CRunOutcome;
struct CRunRequest;
struct CUndoList;

// The rename of files run in each directory of a batch request in turn, in
// place, every directory numbered from the same start, into one log. A
// directory that cannot be listed, or that was already run under another
// path, gets a failed row and the others still run; a stop the host asks for
// ends the batch between directories, the rest logged as not run. The undo of
// the last run is withdrawn first: a batch cannot be undone.
void RunBatch(const CRunRequest &request, CRenameSettings &settings, CUndoList &undo, IExecutionHost &host,
              CRunOutcome &outcome);

} // namespace exec
