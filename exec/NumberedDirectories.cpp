#include "exec/NumberedDirectories.h"

#include "engine/RenameSettings.h"
#include "platform/AttributeWrite.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"

#include <cerrno>

#include <sys/stat.h>

namespace exec {

PlanProblem NumberedDirectoryProblem(const std::string &name)
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

namespace {

// 0 or the error code of creating one directory.
int CreateOne(const std::string &parent, const std::string &name, platform::TimeValue stamp,
              std::uint32_t attributes, std::string &path)
{
    path = platform::JoinPath(parent, name);
    switch (NumberedDirectoryProblem(name)) {
    case PlanProblem::None:
        break;
    case PlanProblem::NameTooLong:
        return ENAMETOOLONG;
    default:
        return EINVAL;
    }
    if (mkdir(path.c_str(), 0777) != 0)
        return errno;
    platform::SetFileTimes(path, stamp);
    platform::SetAttributes(path, attributes);
    return 0;
}

} // namespace

void CreateNumberedDirectories(const CRenameSettings &settings, const std::string &parentDirectory,
                               platform::TimeValue now, CResultLog &log)
{
    const platform::TimeValue stamp = settings.IsFileTimeChange ? settings.FileTime : now;
    const std::uint32_t attributes = settings.GetNewDirAttributes();
    for (int k = 0; k < settings.NumDirCount; ++k) {
        std::string path;
        const int error = CreateOne(parentDirectory, settings.GetNumberedDirName(k), stamp, attributes, path);
        log.AddResult(path, error ? kResultFailed : kResultDone,
                      error ? platform::ErrorMessage(error) : std::string());
    }
}

} // namespace exec
