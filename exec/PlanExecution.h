#pragma once

#include "exec/ExecutionHost.h"
#include "exec/ResultLog.h"
#include "exec/RunPlan.h"

#include <functional>
#include <string>
#include <vector>

class CRenameSettings;

namespace exec {

class CRunJournal;
class CRunRecorder;

// Gives every record that steps aside (StepKind::ToTemp) a free temporary
// name "KEST$" + seven digits: beside its old name for a move, beside its new
// name for a copy. Never a name on disk or one the run gives.
void AssignTemporaryNames(CRunPlan &plan);

// Carries out the steps of an ordered plan. A record that reaches its new name
// becomes Renamed (Replaced where it was allowed to replace); one that does not
// gets the problem that says why, and the records that depend on it keep their
// old names too: a failed step in a cycle moves the cycle's files back. A name
// that appears on disk after planning is never replaced. Times and attributes
// are written only where the run unifies them. Returns the records that are
// left under their temporary name (their old name could not be freed again).
// Every copy made is added to journal before it takes its name.
std::vector<std::uint32_t> ExecutePlan(CRunPlan &plan, IExecutionHost &host, CRunJournal &journal);

// One log row per record, in row order, with the reason of each that kept
// its name. stranded: what ExecutePlan returned.
void LogPlan(const CRunPlan &plan, const std::vector<std::uint32_t> &stranded, CResultLog &log);

// The part of a run after the questions: the stays settled, the order, the
// journal, the steps. Fills stranded (see ExecutePlan). Returns 0, or the
// error code of a journal that could not be written (a message says so), in
// which case nothing has changed.
// beforeFirstStep, where given, is called with the journal's path once it is
// on disk; a non-zero code stops the run there, nothing changed.
int CarryOutPlan(CRunPlan &plan, IExecutionHost &host, const std::string &caption,
                 std::vector<std::uint32_t> &stranded,
                 const std::function<int(const std::string &journal)> &beforeFirstStep = {});

// Runs a rename plan whose rows have been added (AddPlanRow): the checks, the
// questions, the steps, one log row per record, NumberStart advanced where
// 加算 asks for it, and the records carried out handed to recorder. False,
// with nothing changed, when the journal or the run's record cannot be written.
bool RunRenamePlan(CRunPlan &plan, CRenameSettings &settings, CRunRecorder &recorder, CResultLog &log,
                   IExecutionHost &host);

} // namespace exec
