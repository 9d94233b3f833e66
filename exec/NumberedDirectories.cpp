#include "exec/NumberedDirectories.h"

#include "engine/RenameSettings.h"
#include "exec/RunRecorder.h"
#include "platform/AttributeWrite.h"
#include "platform/FileIdentity.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"

#include <cerrno>
#include <unordered_set>

#include <sys/stat.h>

namespace exec {

namespace {

PlanProblem NameProblem(const std::string &name)
{
    switch (platform::ClassifyFileName(name)) {
    case platform::FileNameProblem::None:
        return name.back() == '.' ? PlanProblem::InvalidName : PlanProblem::None;
    case platform::FileNameProblem::Empty:
        return PlanProblem::EmptyName;
    case platform::FileNameProblem::TooLong:
        return PlanProblem::NameTooLong;
    default:
        return PlanProblem::InvalidName;
    }
}

} // namespace

CRunPlan PlanNumberedDirectories(const CRenameSettings &settings, const std::string &parent,
                                 CDirectoryNames &folders)
{
    CRunPlan plan;
    plan.folders = true;
    plan.rowCount = settings.NumDirCount;
    const CFolderState &existing = folders.Lookup(parent);
    std::unordered_set<std::string> names;
    for (int row = 0; row < settings.NumDirCount; ++row) {
        const std::string name = settings.GetNumberedDirName(row);
        CRenameRecord r;
        r.row = row;
        r.newPath = plan.records.Store(platform::JoinPath(parent, name));
        r.problem = NameProblem(name);
        if (r.problem == PlanProblem::None && existing.error != 0)
            r.problem = existing.error == ENOENT ? PlanProblem::TargetFolderMissing
                                                 : PlanProblem::TargetFolderUnusable;
        if (r.problem == PlanProblem::None && !names.insert(name).second)
            r.problem = PlanProblem::DuplicateName;
        if (r.problem == PlanProblem::None && existing.names.Contains(name))
            r.problem = PlanProblem::NameExists;
        plan.nameStart.push_back(static_cast<std::uint32_t>(r.newPath.size() - name.size()));
        plan.records.push_back(r);
    }
    return plan;
}

void CreateNumberedDirectories(const CRunPlan &plan, const CRenameSettings &settings, platform::TimeValue now,
                               CResultLog &log, CRunRecorder &recorder)
{
    const platform::TimeValue stamp = settings.IsFileTimeChange ? settings.FileTime : now;
    const std::uint32_t attributes = settings.GetNewDirAttributes();
    for (const CRenameRecord &r : plan.records) {
        if (r.problem != PlanProblem::None) {
            log.AddResult(r.newPath, kResultFailed, ProblemText(r.problem));
            continue;
        }
        if (mkdir(r.newPath.c_str(), 0777) != 0) {
            log.AddResult(r.newPath, kResultFailed, platform::ErrorMessage(errno));
            continue;
        }
        CRenameRecord made = r;
        made.status = RenameStatus::Renamed;
        made.placed.identity = platform::GetFolderIdentity(r.newPath.str());
        recorder.Add(made);
        platform::SetFileTimes(r.newPath, stamp);
        platform::SetAttributes(r.newPath.str(), attributes);
        log.AddResult(r.newPath, kResultDone);
    }
}

} // namespace exec
