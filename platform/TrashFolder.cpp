#include "platform/TrashFolder.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {

namespace {

// What a rename cannot cross: the file system, and the mount it is reached
// through (a bind mount of the same file system refuses renames too).
struct Mount {
    std::uint64_t device = 0;
    std::uint64_t id = 0; // 0 where the kernel does not tell
    bool operator==(const Mount &) const = default;
};

std::optional<Mount> MountOf(const std::string &folder)
{
    struct statx sx;
    if (statx(AT_FDCWD, DisplayDirectory(folder).c_str(), 0, STATX_MNT_ID, &sx) != 0)
        return std::nullopt;
    return Mount{makedev(sx.stx_dev_major, sx.stx_dev_minor),
                 (sx.stx_mask & STATX_MNT_ID) ? sx.stx_mnt_id : 0};
}

// The mount a folder that may not exist yet would be made on.
std::optional<Mount> MountWhereMade(std::string folder)
{
    for (;;) {
        if (const auto mount = MountOf(folder))
            return mount;
        if (folder.empty())
            return std::nullopt;
        folder = SplitPath(folder).directory;
    }
}

// The last folder up from folder that is still on its mount.
std::string TopFolder(std::string folder, const Mount &mount)
{
    while (!folder.empty()) {
        std::string parent = SplitPath(folder).directory;
        if (MountOf(parent) != mount)
            break;
        folder = std::move(parent);
    }
    return folder;
}

std::optional<std::string> DataHome()
{
    const char *data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return NormalizeDirectory(data);
    const char *home = std::getenv("HOME");
    if (home && home[0] == '/')
        return NormalizeDirectory(home) + "/.local/share";
    return std::nullopt;
}

// Makes a folder of the trash (0700); an existing one will do, as will one
// that a call reported as not made although it was. In a top folder, where
// others can write, it must be a real folder (not a link) of the user's own.
int MakeTrashFolder(const std::string &path, bool mustBeOwn)
{
    const int error = mkdir(path.c_str(), 0700) == 0 ? 0 : errno;
    struct stat st;
    if ((mustBeOwn ? lstat(path.c_str(), &st) : stat(path.c_str(), &st)) != 0)
        return error ? error : errno;
    if (!S_ISDIR(st.st_mode))
        return ENOTDIR;
    return mustBeOwn && st.st_uid != getuid() ? EACCES : 0;
}

int MakeTrash(const std::string &base, bool mustBeOwn, TrashFolder &trash)
{
    trash.files = base + "/files";
    trash.info = base + "/info";
    for (const std::string &folder : {base, trash.files, trash.info})
        if (const int error = MakeTrashFolder(folder, mustBeOwn))
            return error;
    return 0;
}

// $topdir/.Trash/$uid where $topdir/.Trash is a real folder with the sticky
// bit (made by the administrator for every user), else $topdir/.Trash-$uid.
int MakeTopFolderTrash(TrashFolder &trash)
{
    const std::string uid = std::to_string(getuid());
    const std::string shared = JoinPath(trash.topdir, ".Trash");
    struct stat st;
    if (lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        MakeTrash(JoinPath(shared, uid), true, trash) == 0)
        return 0;
    return MakeTrash(JoinPath(trash.topdir, ".Trash-" + uid), true, trash);
}

} // namespace

std::string TrashFolder::OriginalPath(const std::string &folder, const std::string &name) const
{
    if (home)
        return JoinPath(folder, name);
    if (folder == topdir)
        return name;
    return JoinPath(std::string_view(folder).substr(topdir.size() + 1), name);
}

int FindTrashFolder(const std::string &folder, TrashFolder &trash)
{
    const std::optional<Mount> mount = MountOf(folder);
    if (!mount)
        return errno;
    trash = {};
    const std::optional<std::string> data = DataHome();
    if (data && MountWhereMade(*data + "/Trash") == mount) {
        trash.home = true;
        if (const int error = EnsureDirectory(*data))
            return error;
        if (const int error = MakeTrash(*data + "/Trash", false, trash))
            return error;
    } else {
        trash.topdir = TopFolder(folder, *mount);
        if (MakeTopFolderTrash(trash) != 0)
            return EXDEV;
    }
    // Only a rename within the mount moves an entry without copying it.
    return MountOf(trash.files) == mount ? 0 : EXDEV;
}

} // namespace platform
