#pragma once

#include "exec/ExecutionHost.h"
#include "exec/PlanProblem.h"
#include "exec/RenameRecord.h"

#include <functional>
#include <string>
#include <vector>

namespace exec {

// A step of undo that could not be done, for the user to see.
struct CUndoFailure {
    std::string path;   // the file that stays where it is
    std::string target; // where undo wanted it to go (empty for a deletion)
    PlanProblem problem = PlanProblem::None;
    int error = 0; // errno value for PlanProblem::StepFailed

    std::string ReasonText() const { return ProblemText(problem, error); }
};

struct CUndoReport {
    bool performed = false; // false when the question was refused or the undo could not start
    std::vector<CUndoFailure> failures;
};

// Takes back the run of undo, whatever its kind, without asking:
// - renamed and moved files and folders go back in an order in which none has
//   to replace another (a swap or a rotation through one temporary name;
//   folders from the deepest path up), only while each is still the file the
//   run put there, never replacing a name taken meanwhile;
// - a copy is deleted only while it is unchanged and its source is still the
//   file it was copied from;
// - a folder made is removed only while it is that very folder, and empty;
// - a source of a concatenation comes back from the trash while the trash
//   still holds it; where it cannot, the failure names where the trash keeps it.
// An entry already back where it was counts as taken back, so an undo that was
// interrupted can be run again. Afterwards undo.available is false and
// undo.records holds the records whose step failed, to be tried again.
// onRecord, where given, is told of every record: where the entry was, where
// undo took it (or wanted to; empty for a deletion) and whether it did.
using UndoRowSink = std::function<void(std::string_view from, std::string_view to, bool back)>;
CUndoReport TakeBackRun(CUndoList &undo, IExecutionHost &host, const UndoRowSink &onRecord = {});

// Reverts the last rename after asking "前回の変名を元に戻して良いですか？".
CUndoReport UndoRename(CUndoList &undo, IExecutionHost &host);

// A record saved as its run began (undo.pending) tells what was planned, not
// what was done: a renamed file is the one at its new name with its listed
// identity, and becomes Renamed. A copy's identity was known only to its run,
// so a copy cannot be told from a file someone else put at its name: it is
// returned as a failure and left. Call it before TakeBackRun on a pending list.
std::vector<CUndoFailure> SettlePendingUndo(CUndoList &undo);

} // namespace exec
