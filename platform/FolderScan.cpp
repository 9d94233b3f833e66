#include "platform/FolderScan.h"

#include "platform/Paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

namespace platform {

namespace {

// Calls visit with every sub-folder's name until it returns false.
int ScanSubFolders(const std::string &folder, const std::function<bool(std::string_view)> &visit)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return errno;
    errno = 0;
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        // A link, or a file system that does not say: the target decides.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isFolder = ::stat(ChildPath(folder, name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        }
        if (isFolder && !visit(name))
            return 0;
        errno = 0;
    }
    return errno;
}

} // namespace

std::string ChildPath(std::string_view folder, std::string_view name)
{
    return JoinPath(NormalizeDirectory(folder), name);
}

int ListSubFolders(const std::string &folder, const std::function<void(std::string_view)> &visit)
{
    return ScanSubFolders(folder, [&](std::string_view name) {
        visit(name);
        return true;
    });
}

FolderProbe ProbeFolder(const std::string &folder)
{
    FolderProbe probe;
    probe.error = ScanSubFolders(folder, [&](std::string_view) {
        probe.hasSubFolders = true;
        return false;
    });
    return probe;
}

} // namespace platform
