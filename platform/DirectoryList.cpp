#include "platform/DirectoryList.h"

#include "platform/Attributes.h"
#include "platform/FileIdentity.h"
#include "platform/Paths.h"
#include "platform/Wildcard.h"

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// User extended attributes exist only on regular files and directories; asking
// about anything else would cost a system call for nothing.
bool MayHaveStoredFlags(const struct stat &st)
{
    return S_ISREG(st.st_mode) || S_ISDIR(st.st_mode);
}

// own: the status of the entry itself, not of a link's target: a rename moves
// the link, so that is the identity that follows the entry.
void FillFromStatus(DirEntryInfo &info, const struct stat &st, std::uint32_t stored, const struct stat &own,
                    std::int64_t ownBirth)
{
    info.isDirectory = S_ISDIR(st.st_mode);
    info.storedFlags = stored & kStoredAttributeMask;
    info.device = static_cast<std::uint64_t>(own.st_dev);
    info.inode = static_cast<std::uint64_t>(own.st_ino);
    info.birth = ownBirth;
    info.size = info.isDirectory ? 0 : static_cast<std::uint64_t>(st.st_size);
    info.lastWriteTime = static_cast<TimeValue>(st.st_mtim.tv_sec);
    info.attributes = AttributesFromStatus(st, info.name, stored);
    info.attributesKnown = true;
}

// An entry whose status cannot be read (no search permission on the
// directory) is still listed, with what the directory itself tells.
void FillFromDirectoryOnly(DirEntryInfo &info, unsigned char type)
{
    info.isDirectory = type == DT_DIR;
    info.storedFlags = 0;
    info.device = info.inode = 0;
    info.birth = 0;
    info.size = 0;
    info.lastWriteTime = 0;
    struct stat st {};
    st.st_mode = static_cast<mode_t>((info.isDirectory ? S_IFDIR : S_IFREG) | S_IWUSR);
    info.attributes = AttributesFromStatus(st, info.name, 0);
    info.attributesKnown = false;
}

struct DirCloser {
    void operator()(DIR *dir) const { closedir(dir); }
};

// A stream of the entries of the open directory fd, which it takes over
// (closed on failure too); errno is set on failure.
std::unique_ptr<DIR, DirCloser> StreamOf(int fd)
{
    if (fd < 0)
        return nullptr;
    std::unique_ptr<DIR, DirCloser> dir(fdopendir(fd));
    if (!dir) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return dir;
}

// Opens a held directory for reading its entries; errno is set on failure.
std::unique_ptr<DIR, DirCloser> OpenDirectory(const std::string &held)
{
    const std::string openPath = IsRootDirectory(held) ? std::string("/") : held;
    return StreamOf(open(openPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// A visitor that never stops the listing.
std::function<bool(const DirEntryInfo &)> Unstopped(const std::function<void(const DirEntryInfo &)> &visit)
{
    return [&visit](const DirEntryInfo &info) {
        visit(info);
        return true;
    };
}

// Calls visit with every item of dir but "." and ".." until it returns false.
// 0, ECANCELED when visit stopped it, or the errno value when the directory
// cannot be read on.
template <typename Visit> int ForEachItem(DIR *dir, Visit visit)
{
    for (;;) {
        errno = 0;
        const dirent *item = readdir(dir);
        if (!item)
            return errno;
        const std::string_view name(item->d_name);
        if (name != "." && name != ".." && !visit(*item, name))
            return ECANCELED;
    }
}

// Lists the entries of an open directory stream (see ListDirectoryWhile).
int ListOpenDirectory(DIR *dirStream, const std::string &held, std::string_view pattern,
                      const std::function<bool(const DirEntryInfo &)> &visit, StoredFlags flags)
{
    const int fd = dirfd(dirStream);
    const WildcardPattern match(pattern.empty() ? std::string_view("*") : pattern);
    DirEntryInfo info;
    info.directory = held;
    std::string path = JoinPath(held, "");
    const std::size_t prefixLength = path.size();

    return ForEachItem(dirStream, [&](const dirent &item, std::string_view name) {
        if (!match.Matches(name))
            return true;
        info.name = name;
        struct stat st, own;
        std::int64_t birth = 0;
        // The entry's own status carries its identity (with the birth time); a
        // link's target gives the rest.
        const int ownError = StatusAt(fd, item.d_name, AT_SYMLINK_NOFOLLOW, own, birth);
        if (ownError == ENOENT)
            return true; // removed since the directory was read
        if (ownError == 0 && (!S_ISLNK(own.st_mode) || fstatat(fd, item.d_name, &st, 0) == 0)) {
            if (!S_ISLNK(own.st_mode))
                st = own;
            std::uint32_t stored = 0;
            if (flags == StoredFlags::Read && MayHaveStoredFlags(st)) {
                path.resize(prefixLength);
                path += name;
                stored = ReadStoredAttributes(path);
            }
            FillFromStatus(info, st, stored, own, birth);
        } else if (ownError == 0 && errno == ENOENT) {
            FillFromStatus(info, own, 0, own, birth); // a dangling symbolic link
        } else {
            FillFromDirectoryOnly(info, item.d_type);
        }
        return visit(info);
    });
}

} // namespace

int ListNames(const std::string &directory, const std::function<void(std::string_view)> &visit)
{
    const auto dir = OpenDirectory(NormalizeDirectory(directory));
    if (!dir)
        return errno;
    return ForEachItem(dir.get(), [&](const dirent &, std::string_view name) {
        visit(name);
        return true;
    });
}

int ListDirectory(const std::string &directory, std::string_view pattern,
                  const std::function<void(const DirEntryInfo &)> &visit, StoredFlags flags)
{
    return ListDirectoryWhile(directory, pattern, Unstopped(visit), flags);
}

int ListDirectoryWhile(const std::string &directory, std::string_view pattern,
                       const std::function<bool(const DirEntryInfo &)> &visit, StoredFlags flags)
{
    const std::string held = NormalizeDirectory(directory);
    const auto dir = OpenDirectory(held);
    if (!dir)
        return errno;
    return ListOpenDirectory(dir.get(), held, pattern, visit, flags);
}

int ListDirectoryAt(int directoryFd, const std::string &directory, std::string_view pattern,
                    const std::function<void(const DirEntryInfo &)> &visit, StoredFlags flags)
{
    const auto dir = StreamOf(fcntl(directoryFd, F_DUPFD_CLOEXEC, 0));
    if (!dir)
        return errno;
    rewinddir(dir.get()); // the duplicate shares the position of the original
    return ListOpenDirectory(dir.get(), NormalizeDirectory(directory), pattern, Unstopped(visit), flags);
}

int ReadDirEntry(const std::string &fullPath, DirEntryInfo &info, StoredFlags flags)
{
    SplitResult parts = SplitPath(fullPath);
    info.directory = std::move(parts.directory);
    info.name = std::move(parts.name);
    struct stat own, st;
    std::int64_t birth = 0;
    if (const int error = StatusAt(AT_FDCWD, fullPath.c_str(), AT_SYMLINK_NOFOLLOW, own, birth))
        return error;
    if (!S_ISLNK(own.st_mode))
        st = own;
    else if (stat(fullPath.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return errno;
        FillFromStatus(info, own, 0, own, birth); // a dangling symbolic link
        return 0;
    }
    const bool read = flags == StoredFlags::Read && MayHaveStoredFlags(st);
    FillFromStatus(info, st, read ? ReadStoredAttributes(fullPath) : 0, own, birth);
    return 0;
}

} // namespace platform
