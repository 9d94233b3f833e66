// Moving and copying one file: the ways a move goes (a no-replace rename, a
// link and an unlink, a copy and an unlink across file systems) and the look
// at the disk after a call that reported an error, since a network file
// system may report an error for a call it has carried out.
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view kPartialCopyPrefix = ".kestrel-copy-";
constexpr std::size_t kPartialCopyRandom = 6;

// A file named relative to an open directory, or a full path with AT_FDCWD.
// The name is the last part of path (no copy of it is made), or another name
// in the same folder (a temporary copy).
struct Place {
    int directory;
    PathView path;
    std::string beside; // the other name, as the calls relative to directory take it

    const char *c_str() const
    {
        if (!beside.empty())
            return beside.c_str();
        return directory == AT_FDCWD ? path.c_str() : path.c_str() + path.view().rfind('/') + 1;
    }
};

// Another name in the same folder as place.
Place Beside(const Place &place, const std::string &name)
{
    if (place.directory == AT_FDCWD)
        return {place.directory, place.path, JoinPath(SplitPath(place.path).directory, name)};
    return {place.directory, place.path, name};
}

bool HasNul(std::string_view path)
{
    return path.find('\0') != std::string::npos;
}

// True only when nothing bears the name (not when it cannot be looked at).
bool Absent(const Place &place)
{
    struct stat st;
    return fstatat(place.directory, place.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
}

bool Holds(const Place &place, const FileIdentity &identity)
{
    return HoldsIdentityAt(place.directory, place.c_str(), identity);
}

int SyncFolderOf(const Place &place)
{
    if (place.directory == AT_FDCWD)
        return SyncDirectory(SplitPath(place.path).directory);
    return fsync(place.directory) == 0 ? 0 : errno;
}

// A rename that reported error: done all the same when the source name is
// gone and the target holds the moved file.
int MovedDespite(int error, const Place &from, const Place &to, const FileIdentity &moving)
{
    return moving.valid && Absent(from) && Holds(to, moving) ? 0 : error;
}

// Removes from, the old name of a file whose twin is in place at to: when the
// removal reports an error, the disk tells whether it happened. Where the old
// name is still there, the twin is taken back (only while both are what they
// were), so the file stays in one place; where the disk cannot tell, both stay.
int RemoveOldName(const Place &from, const FileIdentity &source, const Place &to, const FileIdentity &twin)
{
    if (unlinkat(from.directory, from.c_str(), 0) == 0)
        return 0;
    const int error = errno;
    if (Absent(from))
        return 0;
    if (Holds(from, source) && Holds(to, twin))
        unlinkat(to.directory, to.c_str(), 0);
    return error;
}

// Where the file system refuses the no-replace rename a file is linked to its
// new name (which fails on an existing name) and then unlinked from the old
// one; a folder is refused rather than risked.
int LinkThenUnlink(const Place &from, const Place &to, int renameError, const FileIdentity &moving)
{
    struct stat st;
    std::int64_t birth = 0;
    if (const int error = StatusAt(from.directory, from.c_str(), AT_SYMLINK_NOFOLLOW, st, birth))
        return error;
    if (S_ISDIR(st.st_mode))
        return renameError;
    const FileIdentity file{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                            birth, true};
    if (moving.valid && !IsRecordedFile(moving, file))
        return kErrorFileReplaced;
    if (linkat(from.directory, from.c_str(), to.directory, to.c_str(), 0) != 0) {
        const int error = errno;
        if (error == EEXIST && !Holds(to, file))
            return kErrorTargetExists;
        if (!Holds(to, file))
            return error;
        // The link is there although the call said otherwise.
    }
    return RemoveOldName(from, file, to, file);
}

int RenameNoReplace(const Place &from, const Place &to, const FileIdentity &moving)
{
    if (renameat2(from.directory, from.c_str(), to.directory, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    const int error = errno;
    if (error == EEXIST)
        return kErrorTargetExists;
    if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
        return LinkThenUnlink(from, to, error, moving);
    return MovedDespite(error, from, to, moving);
}

int RenameReplacing(const Place &from, const Place &to, const FileIdentity &moving)
{
    if (renameat(from.directory, from.c_str(), to.directory, to.c_str()) == 0)
        return 0;
    return MovedDespite(errno, from, to, moving);
}

int CopyByReading(int in, int out)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        if (const int error = WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(n))))
            return error;
    }
}

// Copies the contents of in to out: a reflink where the file system shares
// blocks, else copy_file_range, else plain reads and writes.
int CopyContents(int in, int out)
{
    if (ioctl(out, FICLONE, in) == 0)
        return 0;
    bool first = true;
    for (;;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (n > 0) {
            first = false;
            continue;
        }
        if (n == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (first && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            return CopyByReading(in, out);
        return errno;
    }
}

// The stored flags travel with a copy, as the permissions do. A file system
// without user extended attributes keeps none, and that is no failure.
void CopyStoredFlags(int in, int out)
{
    char value[32];
    const ssize_t n = fgetxattr(in, kStoredAttributesName, value, sizeof value);
    if (n > 0)
        fsetxattr(out, kStoredAttributesName, value, static_cast<std::size_t>(n), 0);
}

// A new empty file ".kestrel-copy-" + six random characters beside target,
// open for writing in fd. 0 or the errno value.
int CreatePartialCopy(const Place &target, std::string &name, int &fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = RandomName(kPartialCopyPrefix);
        if (leaf.empty())
            return EIO;
        name = Beside(target, leaf).beside;
        fd = openat(target.directory, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            return 0;
        const int error = errno;
        if (error == EEXIST)
            continue;
        // A call that failed after creating the file leaves a name nobody
        // else can have chosen.
        unlinkat(target.directory, name.c_str(), 0);
        return error;
    }
    return EEXIST;
}

// Writes a copy of source into a new temporary file beside target and renames
// it into place, so target is never seen half written and an existing target
// is only replaced when replace is set. The copy keeps the source's
// permissions, stored flags and times to the nanosecond. It is synced before
// it takes its name where it replaces a file or where sync asks for it.
int CopyFile(const Place &source, const Place &target, const TransferOptions &options, bool sync,
             FileVersion &made)
{
    const int in = openat(source.directory, source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat st;
    if (fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        close(in);
        return error;
    }
    std::string tempName;
    int out = -1;
    if (const int error = CreatePartialCopy(target, tempName, out)) {
        close(in);
        return error;
    }
    const Place temp{target.directory, target.path, tempName};
    int error = CopyContents(in, out);
    if (!error)
        CopyStoredFlags(in, out);
    close(in);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (!error && futimens(out, times) != 0)
        error = errno;
    if (!error && fchmod(out, st.st_mode & 07777) != 0)
        error = errno;
    // A file that replaces another must be on disk before the rename, or a
    // crash could leave an empty file where the old one was.
    if (!error && (sync || (options.replace && !Absent(target))) && fsync(out) != 0)
        error = errno;
    if (!error) {
        made = VersionOfOpenFile(out);
        if (!made.identity.valid)
            error = EIO;
    }
    if (close(out) != 0 && !error)
        error = errno;
    if (!error && options.onCopied)
        error = options.onCopied(made);
    if (!error)
        error = options.replace ? RenameReplacing(temp, target, made.identity)
                                : RenameNoReplace(temp, target, made.identity);
    // A copy that never got its identity is known to nobody; one that did goes
    // only while it is still at its temporary name.
    if (error && (!made.identity.valid || HoldsVersionAt(temp.directory, temp.c_str(), made)))
        unlinkat(temp.directory, temp.c_str(), 0);
    return error;
}

// A file moved to another file system: copied and synced with its new folder
// entry, then its source removed, so that at every moment the file is whole
// in at least one place.
int MoveAcrossFileSystems(const Place &source, const Place &target, const TransferOptions &options)
{
    const FileIdentity &file = options.moving;
    FileVersion made;
    if (const int error = CopyFile(source, target, options, true, made))
        return error;
    if (const int error = SyncFolderOf(target)) {
        if (!options.replace && HoldsVersionAt(target.directory, target.c_str(), made))
            unlinkat(target.directory, target.c_str(), 0);
        return error;
    }
    if (file.valid && !Holds(source, file))
        return kErrorFileReplaced; // the copy stays: the source is someone else's now
    // Without replace nothing was at target before: the copy can go again.
    const FileIdentity twin = options.replace ? FileIdentity{} : made.identity;
    return RemoveOldName(source, file, target, twin);
}

int Transfer(const Place &source, const Place &target, const TransferOptions &options)
{
    if (HasNul(source.path) || HasNul(target.path))
        return EINVAL;
    if (options.copy) {
        FileVersion made;
        TransferOptions copy = options;
        copy.replace = options.replace || IsSameFile(source.path, target.path);
        return CopyFile(source, target, copy, false, made);
    }
    FileIdentity moving = options.moving;
    if (!moving.valid)
        moving = GetFileIdentityAt(source.directory, source.c_str());
    if (options.replace && moving.valid && Holds(target, moving) && source.path != target.path &&
        !IsSameFile(source.path, target.path))
        return kErrorSameFileLink;
    int error =
        options.replace ? RenameReplacing(source, target, moving) : RenameNoReplace(source, target, moving);
    if (error == kErrorTargetExists && IsSameFile(source.path, target.path)) {
        // Nothing to do, or a change of letter case on a case-insensitive file system.
        if (source.path == target.path)
            return 0;
        return RenameReplacing(source, target, moving);
    }
    if (error != EXDEV || IsDirectory(source.path))
        return error;
    TransferOptions across = options;
    across.moving = moving;
    return MoveAcrossFileSystems(source, target, across);
}

} // namespace

int MoveOrCopy(const std::string &source, const std::string &target, const TransferOptions &options)
{
    return Transfer({AT_FDCWD, source, {}}, {AT_FDCWD, target, {}}, options);
}

int MoveAt(int sourceDirectory, PathView source, int targetDirectory, PathView target,
           const TransferOptions &options)
{
    return Transfer({sourceDirectory, source, {}}, {targetDirectory, target, {}}, options);
}

std::string RandomName(std::string_view prefix)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[kPartialCopyRandom];
    if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
        return {};
    std::string name(prefix);
    for (const unsigned char r : random)
        name += kChars[r % (sizeof kChars - 1)];
    return name;
}

int RemovePartialCopies(const std::string &directory)
{
    std::vector<std::string> partial;
    int error = ListNames(directory, [&](std::string_view name) {
        if (name.size() == kPartialCopyPrefix.size() + kPartialCopyRandom &&
            name.starts_with(kPartialCopyPrefix))
            partial.emplace_back(name);
    });
    for (const std::string &name : partial)
        if (const int code = DeleteFile(JoinPath(directory, name)))
            error = code;
    return error;
}

int DeleteFileIfVersion(PathView path, const FileVersion &version)
{
    return DeleteFileIfVersionAt(AT_FDCWD, path.c_str(), version);
}

int DeleteFileIfVersionAt(int directory, const char *name, const FileVersion &version)
{
    const FileVersion now = GetFileVersionAt(directory, name);
    if (!now.identity.valid)
        return ENOENT;
    if (!IsRecordedVersion(version, now))
        return kErrorFileReplaced;
    return unlinkat(directory, name, 0) == 0 ? 0 : errno;
}

int RemoveFolderIfIdentity(PathView path, const FileIdentity &identity)
{
    const SplitResult split = SplitPath(path);
    const int parent = OpenDirectoryHandle(split.directory.empty() ? "/" : split.directory);
    if (parent < 0)
        return errno;
    // Looked at and removed through one handle on the parent, so the name
    // checked is the name removed.
    int error = 0;
    if (!HoldsIdentityAt(parent, split.name.c_str(), identity))
        error = GetFileIdentityAt(parent, split.name.c_str()).valid ? kErrorFileReplaced : ENOENT;
    else if (unlinkat(parent, split.name.c_str(), AT_REMOVEDIR) != 0)
        error = errno == EEXIST ? ENOTEMPTY : errno;
    close(parent);
    return error;
}

} // namespace platform
