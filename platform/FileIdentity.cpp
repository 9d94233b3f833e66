#include "platform/FileIdentity.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/sysmacros.h>

namespace platform {

namespace {

std::int64_t Nanoseconds(const statx_timestamp &t)
{
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

timespec Timespec(const statx_timestamp &t)
{
    return {static_cast<time_t>(t.tv_sec), static_cast<long>(t.tv_nsec)};
}

void FromStatx(const struct statx &sx, struct stat &st, std::int64_t &birth)
{
    st = {};
    st.st_dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    st.st_ino = sx.stx_ino;
    st.st_mode = sx.stx_mode;
    st.st_nlink = sx.stx_nlink;
    st.st_uid = sx.stx_uid;
    st.st_gid = sx.stx_gid;
    st.st_rdev = makedev(sx.stx_rdev_major, sx.stx_rdev_minor);
    st.st_size = static_cast<off_t>(sx.stx_size);
    st.st_blksize = static_cast<blksize_t>(sx.stx_blksize);
    st.st_blocks = static_cast<blkcnt_t>(sx.stx_blocks);
    st.st_atim = Timespec(sx.stx_atime);
    st.st_mtim = Timespec(sx.stx_mtime);
    st.st_ctim = Timespec(sx.stx_ctime);
    birth = (sx.stx_mask & STATX_BTIME) ? Nanoseconds(sx.stx_btime) : 0;
}

FileVersion VersionOf(const struct stat &st, std::int64_t birth)
{
    FileVersion v;
    v.identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), birth, true};
    v.size = static_cast<std::uint64_t>(st.st_size);
    v.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return v;
}

} // namespace

int StatusAt(int directory, const char *name, int flags, struct stat &status, std::int64_t &birth)
{
    struct statx sx;
    if (statx(directory, name, flags, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return errno;
    FromStatx(sx, status, birth);
    return 0;
}

namespace {

// The version of the entry as StatusAt with flags sees it; invalid when it cannot be read.
FileVersion VersionAt(int directory, const char *name, int flags)
{
    struct stat st;
    std::int64_t birth = 0;
    if (StatusAt(directory, name, flags, st, birth) != 0)
        return {};
    return VersionOf(st, birth);
}

} // namespace

FileVersion GetFileVersionAt(int directory, const char *name)
{
    return VersionAt(directory, name, AT_SYMLINK_NOFOLLOW);
}

FileVersion GetFileVersion(PathView path)
{
    return GetFileVersionAt(AT_FDCWD, path.c_str());
}

FileIdentity GetFileIdentityAt(int directory, const char *name)
{
    return GetFileVersionAt(directory, name).identity;
}

FileIdentity GetFileIdentity(PathView path)
{
    return GetFileIdentityAt(AT_FDCWD, path.c_str());
}

FileIdentity GetFolderIdentity(const std::string &path)
{
    return VersionAt(AT_FDCWD, path.empty() ? "/" : path.c_str(), 0).identity;
}

FileVersion VersionOfOpenFile(int fd)
{
    return VersionAt(fd, "", AT_EMPTY_PATH);
}

bool IsRecordedFile(const FileIdentity &recorded, const FileIdentity &now)
{
    return recorded.valid && now.valid && recorded.device == now.device && recorded.inode == now.inode &&
           (recorded.birth == 0 || recorded.birth == now.birth);
}

bool IsRecordedVersion(const FileVersion &recorded, const FileVersion &now)
{
    return IsRecordedFile(recorded.identity, now.identity) && recorded.size == now.size &&
           recorded.modified == now.modified;
}

bool HoldsIdentityAt(int directory, const char *name, const FileIdentity &identity)
{
    return IsRecordedFile(identity, GetFileIdentityAt(directory, name));
}

bool HoldsVersionAt(int directory, const char *name, const FileVersion &version)
{
    return IsRecordedVersion(version, GetFileVersionAt(directory, name));
}

} // namespace platform
