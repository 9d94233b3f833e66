#include "exec/RunPlan.h"

#include "engine/CreatedName.h"
#include "engine/RenameSettings.h"
#include "exec/PathIndex.h"
#include "model/FileEntry.h"
#include "platform/Attributes.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>

namespace exec {

namespace {

// The checks of a new name on its own, made on the name it is created under
// (engine::CreatedName), which is the name checked and used.
PlanProblem PrepareName(std::string &name)
{
    if (name.empty())
        return PlanProblem::EmptyName;
    std::string trimmed(engine::CreatedName(name));
    if (trimmed.find_first_not_of('.') == std::string::npos)
        return PlanProblem::InvalidName;
    switch (platform::ClassifyFileName(trimmed)) {
    case platform::FileNameProblem::None:
        name = std::move(trimmed);
        return PlanProblem::None;
    case platform::FileNameProblem::TooLong:
        return PlanProblem::NameTooLong;
    default:
        return PlanProblem::InvalidName;
    }
}

// The attributes a run writes when it unifies them. A hidden state that only
// came from a leading dot of the old name is not turned into a stored flag
// when the hidden setting says "leave unchanged".
std::uint32_t AttributesToWrite(const CRenameSettings &settings, const CFileEntry &entry)
{
    std::uint32_t bits = settings.GetNewAttributes(entry);
    const bool hiddenByDot = !entry.fileName.empty() && entry.fileName.front() == '.' &&
                             !(entry.storedFlags & platform::kAttrHidden);
    if (hiddenByDot && settings.AtrHidden == AttributeChange::Keep)
        bits &= ~static_cast<std::uint32_t>(platform::kAttrHidden);
    return bits;
}

// What is kept of a name refused as too long: only the log shows it, so its
// beginning (cut at a character) and a mark that it was cut will do.
void CutRefusedName(std::string &name)
{
    std::size_t end = 255;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    name.resize(end);
    name += "…";
}

PlanProblem FolderProblem(int error)
{
    if (error == 0)
        return PlanProblem::None;
    return error == ENOENT ? PlanProblem::TargetFolderMissing : PlanProblem::TargetFolderUnusable;
}

// True every few thousand rows once `stop` is set.
bool Stopped(const std::atomic<bool> *stop, std::size_t row)
{
    return stop && row % 4096 == 0 && stop->load(std::memory_order_relaxed);
}

enum class Fate : std::uint8_t { Unknown, Goes, Stays, OnPath };

// Marks as Blocked every record whose new name is the old name of a record
// that keeps its name, following the chains of such records. A question not
// yet answered counts as going unless questionsStay.
void MarkBlocked(CRunPlan &plan, bool questionsStay)
{
    const std::size_t n = plan.records.size();
    std::vector<Fate> fate(n, Fate::Unknown);
    for (std::size_t i = 0; i < n; ++i) {
        const PlanProblem p = plan.records[i].problem;
        if (p != PlanProblem::None && (questionsStay || !IsQuestion(p)))
            fate[i] = Fate::Stays;
    }
    std::vector<std::uint32_t> path;
    for (std::size_t i = 0; i < n; ++i) {
        if (fate[i] != Fate::Unknown)
            continue;
        path.clear();
        std::uint32_t j = static_cast<std::uint32_t>(i);
        while (j != kNoRecord && fate[j] == Fate::Unknown) {
            fate[j] = Fate::OnPath;
            path.push_back(j);
            j = plan.blocker[j];
        }
        // The end of a chain or a cycle goes; a chain that meets a staying record stays.
        const Fate result = j != kNoRecord && fate[j] == Fate::Stays ? Fate::Stays : Fate::Goes;
        for (const std::uint32_t k : path) {
            fate[k] = result;
            if (result == Fate::Stays)
                plan.records[k].problem = PlanProblem::Blocked;
        }
    }
}

bool Goes(const CRunPlan &plan, std::size_t i)
{
    return plan.records[i].problem == PlanProblem::None || IsQuestion(plan.records[i].problem);
}

} // namespace

bool CRunPlan::AnyProblem() const
{
    return std::any_of(records.begin(), records.end(),
                       [](const CRenameRecord &r) { return r.problem != PlanProblem::None; });
}

std::string_view TargetFolder(const CRunPlan &plan, std::size_t record)
{
    return plan.records[record].newPath.view().substr(0, plan.nameStart[record] - 1);
}

CRunPlan StartPlan(const CRenameSettings &settings, bool folders)
{
    CRunPlan plan;
    plan.folders = folders || settings.TargetsFolders();
    const OutputKind output =
        settings.IsInBatch || plan.folders ? OutputKind::InPlace : settings.FileCopyMode;
    plan.copy = output == OutputKind::Copy;
    plan.noDestination = output != OutputKind::InPlace && settings.FileCopyDirectory.empty();
    plan.invalidPattern = settings.HasInvalidPattern();
    plan.snapshot = {output, settings.IsFileTimeChange, settings.IsFileAttribChange, settings.FileTime};
    return plan;
}

namespace {

void AddRecord(CRunPlan &plan, const CRenameSettings &settings, const CFileEntry &entry, int row)
{
    std::string name = settings.ComputeNewName(entry, row);
    const PlanProblem nameProblem = PrepareName(name);
    if (nameProblem == PlanProblem::NameTooLong)
        CutRefusedName(name);
    const std::string folder = plan.folders ? entry.directory : settings.ComputeTargetDirectory(entry);
    CRenameRecord r;
    r.row = row;
    r.time = entry.lastWriteTime;
    r.attributes = entry.attributes;
    r.newAttributes = AttributesToWrite(settings, entry);
    r.source = {entry.device, entry.inode, entry.birth, entry.inode != 0};
    r.problem = plan.invalidPattern  ? PlanProblem::InvalidPattern
                : plan.noDestination ? PlanProblem::NoDestination
                                     : nameProblem;
    const std::string newPath = platform::JoinPath(folder, name);
    r.newPath = plan.records.Store(newPath);
    r.oldPath = plan.records.Store(entry.fullPath);
    plan.nameStart.push_back(static_cast<std::uint32_t>(newPath.size() - name.size()));
    plan.records.push_back(r);
}

// Two rows for one entry reached through two paths (a folder and a symbolic
// link to it): the same file under the same name in the same folder. Rows of
// one folder cannot be that (the candidate list holds a path once), so only a
// plan with several folders is looked at.
void MarkSameFileTwice(CRenameRecords &records)
{
    const auto folder = [&](std::uint32_t i) {
        const std::string_view path = records[i].oldPath;
        return path.substr(0, path.rfind('/'));
    };
    const auto name = [&](std::uint32_t i) {
        const std::string_view path = records[i].oldPath;
        return path.substr(path.rfind('/') + 1);
    };
    std::vector<std::uint32_t> order;
    for (std::uint32_t i = 0; i < records.size(); ++i)
        if (records[i].source.valid)
            order.push_back(i);
    if (std::all_of(order.begin(), order.end(),
                    [&](std::uint32_t i) { return folder(i) == folder(order[0]); }))
        return;
    const auto key = [&](std::uint32_t i) {
        return std::pair(records[i].source.device, records[i].source.inode);
    };
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
    for (std::size_t start = 0; start < order.size();) {
        std::size_t end = start + 1;
        while (end < order.size() && key(order[end]) == key(order[start]))
            ++end;
        for (std::size_t a = start; a < end; ++a) {
            for (std::size_t b = a + 1; b < end; ++b) {
                const std::uint32_t i = order[a], j = order[b];
                if (name(i) != name(j) || !(platform::GetFolderIdentity(std::string(folder(i))) ==
                                            platform::GetFolderIdentity(std::string(folder(j)))))
                    continue;
                for (const std::uint32_t k : {i, j})
                    if (records[k].problem == PlanProblem::None)
                        records[k].problem = PlanProblem::SameFileTwice;
            }
        }
        start = end;
    }
}

// A name taken on disk: by another link of the file itself (a rename would
// do nothing at all), or by an entry outside the run (asked before the run).
PlanProblem TakenNameProblem(const CRenameRecord &r)
{
    if (r.source.valid && platform::IsRecordedFile(r.source, platform::GetFileIdentity(r.newPath)) &&
        !platform::IsSameFile(r.oldPath, r.newPath))
        return PlanProblem::TargetIsSameFile;
    return PlanProblem::ExistingTarget;
}

// How deep a path is: the folders of a run go deepest first, so that no
// folder's path changes under a rename still to come.
std::size_t Depth(std::string_view path)
{
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
}

} // namespace

void AddPlanRow(CRunPlan &plan, const CRenameSettings &settings, const CFileEntry &entry, int row)
{
    plan.rowCount = std::max(plan.rowCount, row + 1);
    if (!entry.isDummy)
        AddRecord(plan, settings, entry, row);
}

void CheckPlan(CRunPlan &plan, CDirectoryNames &folders, const std::atomic<bool> *stop)
{
    CRenameRecords &records = plan.records;
    const std::size_t n = records.size();
    const auto oldKey = [&](std::uint32_t i) -> std::string_view { return records[i].oldPath; };
    const auto newKey = [&](std::uint32_t i) -> std::string_view { return records[i].newPath; };

    // Target folders and two rows with one new path. Consecutive rows mostly
    // share their folder, which is then looked up once.
    std::string_view lastFolder;
    const CFolderState *state = nullptr;
    const auto folderOf = [&](std::uint32_t i) -> const CFolderState & {
        const std::string_view folder = TargetFolder(plan, i);
        if (!state || folder != lastFolder) {
            state = &folders.Lookup(std::string(folder));
            lastFolder = folder;
        }
        return *state;
    };
    {
        CPathIndex given(n);
        for (std::uint32_t i = 0; i < n; ++i) {
            if (Stopped(stop, i))
                return;
            CRenameRecord &r = records[i];
            if (r.problem != PlanProblem::None)
                continue;
            r.problem = FolderProblem(folderOf(i).error);
            if (r.problem != PlanProblem::None)
                continue;
            const std::uint32_t first = given.Insert(r.newPath, i, newKey);
            if (first != i)
                r.problem = records[first].problem = PlanProblem::DuplicateName;
        }
    }
    MarkSameFileTwice(records);

    // A new name that is the old name of another row waits for that row's
    // file to leave (a copy's source never leaves: its file is replaced); any
    // other name on disk belongs to an entry outside the run.
    CPathIndex old(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (Stopped(stop, i))
            return;
        old.Insert(records[i].oldPath, i, oldKey);
    }
    plan.blocker.assign(n, kNoRecord);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (Stopped(stop, i))
            return;
        CRenameRecord &r = records[i];
        if (r.problem != PlanProblem::None || r.newPath == r.oldPath)
            continue;
        const std::uint32_t owner = old.Find(r.newPath, oldKey);
        if (owner != CPathIndex::kNone) {
            plan.blocker[i] = owner;
            if (plan.copy)
                r.problem = PlanProblem::ExistingTarget;
        } else if (folderOf(i).names.Contains(plan.NewName(i))) {
            r.problem = TakenNameProblem(r);
        }
    }
    MarkBlocked(plan, false);
}

CRunPlan PlanRows(CRunPlan start, const std::vector<CFileEntry> &rows, const CRenameSettings &settings,
                  CDirectoryNames &folders, const std::atomic<bool> *stop)
{
    CRunPlan plan = std::move(start);
    plan.records.reserve(rows.size());
    plan.nameStart.reserve(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (Stopped(stop, row))
            return plan;
        AddPlanRow(plan, settings, rows[row], static_cast<int>(row));
    }
    CheckPlan(plan, folders, stop);
    return plan;
}

void SettleStays(CRunPlan &plan)
{
    MarkBlocked(plan, true);
}

void OrderPlan(CRunPlan &plan)
{
    const std::size_t n = plan.records.size();
    plan.steps.clear();
    plan.steps.reserve(n);
    std::vector<std::uint32_t> waiter(n, kNoRecord);
    for (std::uint32_t i = 0; i < n; ++i)
        if (Goes(plan, i) && plan.blocker[i] != kNoRecord)
            waiter[plan.blocker[i]] = i;

    if (plan.copy) {
        // Sources never leave: every copy onto another source's name is made
        // beside it first, and put in place once all sources have been read.
        for (std::uint32_t i = 0; i < n; ++i)
            if (Goes(plan, i))
                plan.steps.push_back({i, plan.blocker[i] == kNoRecord ? StepKind::Direct : StepKind::ToTemp});
        for (std::uint32_t i = 0; i < n; ++i)
            if (Goes(plan, i) && plan.blocker[i] != kNoRecord)
                plan.steps.push_back({i, StepKind::FromTemp});
        return;
    }

    // Chains from the file whose new name is free, back along the files that
    // wait for the name each one leaves.
    std::vector<char> placed(n, 0);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (!Goes(plan, i) || plan.blocker[i] != kNoRecord)
            continue;
        for (std::uint32_t j = i; j != kNoRecord; j = waiter[j]) {
            plan.steps.push_back({j, StepKind::Direct});
            placed[j] = 1;
        }
    }
    // What is left are cycles: one file steps aside to a temporary name, the
    // others follow round, and it takes the last name freed.
    for (std::uint32_t i = 0; i < n; ++i) {
        if (!Goes(plan, i) || placed[i])
            continue;
        plan.steps.push_back({i, StepKind::ToTemp});
        placed[i] = 1;
        for (std::uint32_t j = waiter[i]; j != i; j = waiter[j]) {
            plan.steps.push_back({j, StepKind::Direct});
            placed[j] = 1;
        }
        plan.steps.push_back({i, StepKind::FromTemp});
    }
    // A folder and a folder inside it: the inner one first. Chains and
    // cycles stay within one folder, so their order is kept.
    if (plan.folders)
        std::stable_sort(plan.steps.begin(), plan.steps.end(), [&](const CPlanStep &a, const CPlanStep &b) {
            return Depth(plan.records[a.record].oldPath) > Depth(plan.records[b.record].oldPath);
        });
}

} // namespace exec
