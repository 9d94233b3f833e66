#include "exec/Undo.h"

#include "exec/Captions.h"
#include "exec/PlanExecution.h"
#include "exec/RunPlan.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "platform/Trash.h"

#include <algorithm>
#include <cerrno>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace exec {

namespace {

// Why the file at record.newPath cannot be taken back; None when it is still
// the one the run put there (for a copy: unchanged since it was made).
PlanProblem CheckPlaced(const CRenameRecord &r, platform::PathView at, bool copy, int &error)
{
    const platform::FileVersion now = platform::GetFileVersion(at);
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

// The very file the run moved is at its old name again: an undo that was
// interrupted (and recovered) took it back already.
bool AlreadyBack(const CRenameRecord &r, platform::PathView to)
{
    return r.placed.identity.valid &&
           platform::IsRecordedFile(r.placed.identity, platform::GetFileIdentity(to));
}

// Tells sink, where given, of one record.
void Tell(const UndoRowSink &sink, std::string_view from, std::string_view to, bool back)
{
    if (sink)
        sink(from, to, back);
}

void UndoCopies(CRenameRecords &records, CUndoReport &report, const UndoRowSink &onRecord)
{
    CRenameRecords kept = records.Sharing();
    for (auto r = records.rbegin(); r != records.rend(); ++r) {
        if (!r->Done())
            continue;
        int error = 0;
        PlanProblem problem = CheckPlaced(*r, r->newPath, true, error);
        // A copy that is gone needs nothing more.
        if (error == ENOENT) {
            Tell(onRecord, r->newPath, {}, true);
            continue;
        }
        // The copy may be the last place the former content of its source
        // lives (the source was replaced by another copy since).
        if (problem == PlanProblem::None && r->source.valid &&
            !platform::IsRecordedFile(r->source, platform::GetFileIdentity(r->oldPath)))
            problem = PlanProblem::SourceChanged;
        if (problem == PlanProblem::None && (error = platform::DeleteFile(r->newPath)) != 0)
            problem = PlanProblem::StepFailed;
        Tell(onRecord, r->newPath, {}, problem == PlanProblem::None);
        if (problem == PlanProblem::None)
            continue;
        report.failures.push_back({r->newPath.str(), {}, problem, error});
        kept.push_back(*r);
    }
    std::reverse(kept.begin(), kept.end());
    records = std::move(kept);
}

// Where the entries of a rename of folders are now: a folder inside a renamed
// one moved with it. Answers in the paths from before the run.
class CFolderPlaces {
public:
    // records must outlive the object.
    explicit CFolderPlaces(const CRenameRecords &records)
    {
        for (const CRenameRecord &r : records)
            if (r.Done())
                Add(r);
    }
    // A folder found renamed, before any path inside it is asked for.
    void Add(const CRenameRecord &r) { m_renamed.emplace(r.oldPath, r.newPath); }

    // Where the entry that was at path before the run is now.
    std::string Now(std::string_view path)
    {
        std::string key(path);
        if (const auto known = m_now.find(key); known != m_now.end())
            return known->second;
        const auto renamed = m_renamed.find(path);
        const std::string_view named = renamed == m_renamed.end() ? path : renamed->second.view();
        const std::size_t slash = named.rfind('/');
        std::string now = slash == std::string::npos || slash == 0
                              ? std::string(named)
                              : platform::JoinPath(Now(named.substr(0, slash)), named.substr(slash + 1));
        return m_now.emplace(std::move(key), std::move(now)).first->second;
    }

private:
    std::unordered_map<std::string_view, CPathText> m_renamed;
    std::unordered_map<std::string, std::string> m_now;
};

// The record of the run again, rebuilt from its way back where that failed,
// so that it can be tried once more (folderPaths: the recorded paths of a
// rename of folders by row, empty for other runs).
CRenameRecord RecordAgain(const CRenameRecord &back,
                          const std::vector<std::pair<CPathText, CPathText>> &folderPaths)
{
    CRenameRecord r;
    r.status = RenameStatus::Renamed;
    if (folderPaths.empty()) {
        r.oldPath = back.newPath;
        r.newPath = back.oldPath;
    } else {
        std::tie(r.oldPath, r.newPath) = folderPaths[static_cast<std::size_t>(back.row)];
    }
    r.time = back.time;
    r.attributes = r.newAttributes = back.attributes;
    r.placed.identity = r.source = back.source;
    return r;
}

// The undo of moves is a run of its own: every file from where the run put it
// back to its old name, planned, ordered and carried out like a rename, never
// replacing anything. Folders go from the deepest path up. The records become
// the plan's in place, so a large run's records and paths are held once.
void UndoMoves(CUndoList &undo, CUndoReport &report, IExecutionHost &host, const UndoRowSink &onRecord)
{
    CRenameRecords &records = undo.records;
    const bool folders = undo.kind == RunKind::Folders;
    // A folder's way back is worked out from all the records first; its
    // recorded paths are kept aside for another try.
    std::vector<std::pair<CPathText, CPathText>> folderMoves, folderPaths;
    if (folders) {
        CFolderPlaces places(records);
        for (const CRenameRecord &r : records) {
            const platform::SplitResult old = platform::SplitPath(r.oldPath);
            folderMoves.emplace_back(records.Store(places.Now(r.oldPath)),
                                     records.Store(platform::JoinPath(places.Now(old.directory), old.name)));
            folderPaths.emplace_back(r.oldPath, r.newPath);
        }
    }
    CRunPlan plan;
    plan.snapshot = undo.snapshot;
    plan.ownTimes = true;
    plan.folders = folders;
    plan.rowCount = static_cast<int>(records.size());
    std::size_t planned = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        CRenameRecord &r = records[i];
        if (!r.Done())
            continue;
        CRenameRecord back;
        back.row = static_cast<int>(i);
        std::tie(back.oldPath, back.newPath) = folders ? folderMoves[i] : std::pair(r.newPath, r.oldPath);
        if (AlreadyBack(r, back.newPath)) {
            Tell(onRecord, back.oldPath, back.newPath, true);
            continue;
        }
        back.time = r.time;
        back.attributes = back.newAttributes = r.attributes;
        back.source = r.placed.identity;
        back.problem = CheckPlaced(r, back.oldPath, false, back.error);
        plan.nameStart.push_back(static_cast<std::uint32_t>(back.newPath.view().rfind('/') + 1));
        records[planned++] = back;
    }
    records.resize(planned);
    plan.records = std::move(records);
    CDirectoryNames names;
    CheckPlan(plan, names);
    std::vector<std::uint32_t> stranded;
    const int error = CarryOutPlan(plan, host, UndoCaption(), stranded);
    std::vector<char> atTemp(plan.records.size(), 0);
    for (const std::uint32_t i : stranded)
        atTemp[i] = 1;
    CRenameRecords kept = plan.records.Sharing();
    for (std::size_t i = 0; i < plan.records.size(); ++i) {
        CRenameRecord &b = plan.records[i];
        Tell(onRecord, b.oldPath, b.newPath, error == 0 && b.Done());
        if (error == 0 && b.Done()) {
            // A source of a concatenation is back: its note in the trash goes.
            if (undo.kind == RunKind::Concatenation)
                platform::DeleteFile(platform::TrashInfoPathOf(b.oldPath.str()));
            continue;
        }
        if (error != 0)
            report.failures.push_back({b.oldPath.str(), b.newPath.str(), PlanProblem::StepFailed, error});
        else
            report.failures.push_back(
                {(atTemp[i] ? b.tempPath : b.oldPath).str(), b.newPath.str(), b.problem, b.error});
        kept.push_back(RecordAgain(b, folderPaths));
    }
    undo.records = std::move(kept);
}

// Folders that numbered-directory creation made go again while each is the
// very folder made and still empty, the last made first.
void RemoveMadeFolders(CRenameRecords &records, CUndoReport &report, const UndoRowSink &onRecord)
{
    CRenameRecords kept = records.Sharing();
    for (auto r = records.rbegin(); r != records.rend(); ++r) {
        const int error = platform::RemoveFolderIfIdentity(r->newPath, r->placed.identity);
        Tell(onRecord, r->newPath, {}, error == 0 || error == ENOENT);
        if (error == 0 || error == ENOENT)
            continue;
        const PlanProblem problem =
            error == platform::kErrorFileReplaced ? PlanProblem::FileReplaced : PlanProblem::StepFailed;
        report.failures.push_back({r->newPath.str(), {}, problem, error});
        kept.push_back(*r);
    }
    std::reverse(kept.begin(), kept.end());
    records = std::move(kept);
}

// A folder of a run that ended before its record did is renamed where it is
// at its new name, inside its parent wherever that went: the outer folders
// are settled first.
void SettlePendingFolders(CRenameRecords &records)
{
    const auto depth = [&](std::size_t i) {
        const std::string_view path = records[i].oldPath;
        return std::count(path.begin(), path.end(), '/');
    };
    std::vector<std::size_t> planned;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!records[i].Done() && records[i].problem == PlanProblem::None && records[i].source.valid)
            planned.push_back(i);
    std::stable_sort(planned.begin(), planned.end(),
                     [&](std::size_t a, std::size_t b) { return depth(a) < depth(b); });
    CFolderPlaces places(records);
    for (const std::size_t i : planned) {
        CRenameRecord &r = records[i];
        const platform::SplitResult named = platform::SplitPath(r.newPath);
        const std::string now = platform::JoinPath(places.Now(named.directory), named.name);
        if (platform::IsRecordedFile(r.source, platform::GetFileIdentity(now))) {
            r.status = RenameStatus::Renamed;
            r.placed = {r.source, 0, 0};
            places.Add(r);
        }
    }
}

} // namespace

std::vector<CUndoFailure> SettlePendingUndo(CUndoList &undo)
{
    std::vector<CUndoFailure> failures;
    if (undo.kind == RunKind::Folders) {
        SettlePendingFolders(undo.records);
        undo.pending = false;
        return failures;
    }
    for (CRenameRecord &r : undo.records) {
        if (r.Done() || r.problem != PlanProblem::None || r.newPath == r.oldPath)
            continue;
        if (undo.snapshot.outputMode == OutputKind::Copy) {
            if (platform::PathExists(r.newPath))
                failures.push_back({r.newPath.str(), {}, PlanProblem::CopyUnverified, 0});
        } else if (r.source.valid &&
                   platform::IsRecordedFile(r.source, platform::GetFileIdentity(r.newPath))) {
            r.status = RenameStatus::Renamed;
            r.placed = {r.source, 0, 0};
        }
    }
    undo.pending = false;
    return failures;
}

CUndoReport TakeBackRun(CUndoList &undo, IExecutionHost &host, const UndoRowSink &onRecord)
{
    CUndoReport report;
    report.performed = true;
    if (undo.kind == RunKind::NumberedDirectories)
        RemoveMadeFolders(undo.records, report, onRecord);
    else if (undo.snapshot.outputMode == OutputKind::Copy)
        UndoCopies(undo.records, report, onRecord);
    else
        UndoMoves(undo, report, host, onRecord);
    undo.available = false;
    return report;
}

CUndoReport UndoRename(CUndoList &undo, IExecutionHost &host)
{
    if (!host.Ask(QuestionKind::ConfirmUndo, UndoCaption(),
                  platform::Tr("exec", "前回の変名を元に戻して良いですか？")))
        return {};
    return TakeBackRun(undo, host);
}

} // namespace exec
