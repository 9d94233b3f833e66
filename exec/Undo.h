#pragma once

#include "exec/ExecutionHost.h"
#include "exec/PlanProblem.h"
#include "exec/RenameRecord.h"

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
    bool performed = false; // false when the question was refused
    std::vector<CUndoFailure> failures;
};

// Reverts the last rename of files after asking "前回の変名を元に戻して良いですか？".
// Files go back in an order in which none has to replace another (a swap or a
// rotation through one temporary name), and only while each is still the file
// the rename put there; a name taken by another file meanwhile is never
// replaced. A copy is deleted only while its source is still the file it was
// copied from. Afterwards undo.available is false and undo.records holds the
// records whose step failed, so that they can be tried again.
CUndoReport UndoRename(CUndoList &undo, IExecutionHost &host);

// A record saved as its run began (undo.pending) tells what was planned, not
// what was done: a renamed file is the one at its new name with its listed
// identity, and becomes Renamed. A copy's identity was known only to its run,
// so a copy cannot be told from a file someone else put at its name: it is
// returned as a failure and left. Call it before UndoRename on a pending list.
std::vector<CUndoFailure> SettlePendingUndo(CUndoList &undo);

} // namespace exec
