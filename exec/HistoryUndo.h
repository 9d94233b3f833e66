#pragma once

#include "exec/RunDescription.h"
#include "exec/RunHistory.h"
#include "exec/Undo.h"

#include <cstdint>
#include <string>
#include <vector>

// Taking back a run of the history: any run, as long as no later run that is
// still in the history touched the same entries.
namespace exec {

// For each run of list (newest first, as CRunHistory::List gives it), the
// later runs that stand in the way of taking it back: those with a path that
// is a path of that run, or a folder above one, or below one. Newest first.
// An entry that cannot be read is not looked at.
std::vector<std::vector<std::uint64_t>> RunsInTheWay(const CRunHistory &history,
                                                     const std::vector<CRunSummary> &list);

// Takes back run `number` of the history. Refused, with a message, while
// another process works on the history, a later run is in the way (it is
// named) or the entry cannot be read. Asks first: "前回の変名を元に戻して良い
// ですか？" for the newest run, a question naming the run for an older one. A
// pending entry is settled first. The steps that failed stay in the entry for
// another try; an entry all taken back goes. onRecord: as for TakeBackRun.
CUndoReport UndoFromHistory(const CRunHistory &history, std::uint64_t number, IExecutionHost &host,
                            const UndoRowSink &onRecord = {});

} // namespace exec
