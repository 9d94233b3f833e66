#include "exec/Undo.h"

#include "exec/PlanExecution.h"
#include "exec/RunPlan.h"
#include "platform/FileOps.h"

#include <cerrno>

namespace exec {

namespace {

const char *const kCaption = "アンドゥ";

// Why the file at record.newPath cannot be taken back; None when it is still
// the one the rename put there (for a copy: unchanged since it was made).
PlanProblem CheckPlaced(const CRenameRecord &r, bool copy, int &error)
{
    const platform::FileVersion now = platform::GetFileVersion(r.newPath);
    if (!now.identity.valid) {
        error = ENOENT;
        return PlanProblem::StepFailed;
    }
    // Undo data from before identities were kept cannot be checked.
    if (!r.placed.identity.valid)
        return PlanProblem::None;
    const bool same = copy ? platform::IsRecordedVersion(r.placed, now)
                           : platform::IsRecordedFile(r.placed.identity, now.identity);
    return same ? PlanProblem::None : PlanProblem::FileReplaced;
}

void UndoCopies(std::vector<CRenameRecord> &records, CUndoReport &report)
{
    std::vector<CRenameRecord> kept;
    for (auto r = records.rbegin(); r != records.rend(); ++r) {
        if (!r->Done())
            continue;
        int error = 0;
        PlanProblem problem = CheckPlaced(*r, true, error);
        // The copy may be the last place the former content of its source
        // lives (the source was replaced by another copy since).
        if (problem == PlanProblem::None && r->source.valid &&
            !platform::IsRecordedFile(r->source, platform::GetFileIdentity(r->oldPath)))
            problem = PlanProblem::SourceChanged;
        if (problem == PlanProblem::None && (error = platform::DeleteFile(r->newPath)) != 0)
            problem = PlanProblem::StepFailed;
        if (problem == PlanProblem::None)
            continue;
        report.failures.push_back({r->newPath, {}, problem, error});
        kept.push_back(*r);
    }
    records.assign(kept.rbegin(), kept.rend());
}

// The undo of moves is a run of its own: every renamed file from its new name
// to its old one, planned, ordered and carried out like a rename, never
// replacing anything.
void UndoMoves(CUndoList &undo, CUndoReport &report, IExecutionHost &host)
{
    std::vector<CRenameRecord> &records = undo.records;
    CRunPlan plan;
    plan.snapshot = undo.snapshot;
    plan.ownTimes = true;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const CRenameRecord &r = records[i];
        if (!r.Done())
            continue;
        CRenameRecord back;
        back.row = static_cast<int>(i);
        back.oldPath = r.newPath;
        back.newPath = r.oldPath;
        back.time = r.time;
        back.attributes = back.newAttributes = r.attributes;
        back.source = r.placed.identity;
        back.problem = CheckPlaced(r, false, back.error);
        plan.nameStart.push_back(static_cast<std::uint32_t>(back.newPath.rfind('/') + 1));
        plan.records.push_back(std::move(back));
    }
    plan.rowCount = static_cast<int>(records.size());
    CDirectoryNames folders;
    CheckPlan(plan, folders);
    std::vector<std::uint32_t> stranded;
    if (const int error = CarryOutPlan(plan, host, kCaption, stranded)) {
        for (const CRenameRecord &b : plan.records)
            report.failures.push_back({b.oldPath, b.newPath, PlanProblem::StepFailed, error});
        return;
    }
    std::vector<char> atTemp(plan.records.size(), 0);
    for (const std::uint32_t i : stranded)
        atTemp[i] = 1;
    std::vector<CRenameRecord> kept;
    for (std::size_t i = 0; i < plan.records.size(); ++i) {
        const CRenameRecord &b = plan.records[i];
        if (b.Done())
            continue;
        report.failures.push_back({atTemp[i] ? b.tempPath : b.oldPath, b.newPath, b.problem, b.error});
        kept.push_back(records[static_cast<std::size_t>(b.row)]);
    }
    records = std::move(kept);
}

// A record saved before its run ended tells what was planned, not what was
// done: a renamed file is the one at its new name with its listed identity.
// A copy's identity was known only to the run, so a copy cannot be told from
// a file someone else put at its name: it is reported and left.
} // namespace

std::vector<CUndoFailure> SettlePendingUndo(CUndoList &undo)
{
    std::vector<CUndoFailure> failures;
    for (CRenameRecord &r : undo.records) {
        if (r.Done() || r.problem != PlanProblem::None || r.newPath == r.oldPath)
            continue;
        if (undo.snapshot.outputMode == OutputKind::Copy) {
            if (platform::PathExists(r.newPath))
                failures.push_back({r.newPath, {}, PlanProblem::CopyUnverified, 0});
        } else if (r.source.valid &&
                   platform::IsRecordedFile(r.source, platform::GetFileIdentity(r.newPath))) {
            r.status = RenameStatus::Renamed;
            r.placed = {r.source, 0, 0};
        }
    }
    undo.pending = false;
    return failures;
}

CUndoReport UndoRename(CUndoList &undo, IExecutionHost &host)
{
    CUndoReport report;
    if (!host.Ask(QuestionKind::ConfirmUndo, kCaption, "前回の変名を元に戻して良いですか？"))
        return report;
    report.performed = true;
    if (undo.snapshot.outputMode == OutputKind::Copy)
        UndoCopies(undo.records, report);
    else
        UndoMoves(undo, report, host);
    undo.available = false;
    return report;
}

} // namespace exec
