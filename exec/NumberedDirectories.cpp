#include "exec/NumberedDirectories.h"

#include "engine/RenameSettings.h"
#include "platform/AttributeWrite.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"

#include <cerrno>

#include <sys/stat.h>

namespace exec {

namespace {

// 0 or the error code of creating one directory.
int CreateOne(const std::string &parent, const std::string &name, platform::TimeValue stamp,
              std::uint32_t attributes, std::string &path)
{
    path = platform::JoinPath(parent, name);
    // A name with trailing dots would be created as another name.
    if (const int error = platform::CheckFileName(name))
        return error;
    if (name.back() == '.')
        return EINVAL;
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
        log.AddResult(path, error ? 0 : 1);
    }
}

} // namespace exec
