#include "platform/FileOps.h"

#include "platform/AttributeWrite.h"
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {

bool OnlyDots(std::string_view name)
{
    return name.find_first_not_of('.') == std::string_view::npos;
}

constexpr std::string_view kPartialCopyPrefix = ".kestrel-copy-";

bool HasNul(const std::string &path)
{
    return path.find('\0') != std::string::npos;
}

// Moves without replacing. Where the file system refuses the no-replace flag a
// file is linked to its new name (which fails on an existing name) and then
// unlinked from the old one; anything else is refused rather than risked.
int MoveNoReplace(const std::string &source, const std::string &target)
{
    if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    const int error = errno;
    if (error == EEXIST)
        return kErrorTargetExists;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return error;
    struct stat st;
    if (lstat(source.c_str(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return error;
    if (link(source.c_str(), target.c_str()) != 0)
        return errno == EEXIST ? kErrorTargetExists : errno;
    if (unlink(source.c_str()) != 0) {
        const int unlinkError = errno;
        unlink(target.c_str());
        return unlinkError;
    }
    return 0;
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

// Writes a copy of source into a new temporary file beside target and renames
// it into place, so target is never seen half written and an existing target
// is only replaced when replace is set. The copy keeps the source's
// permissions, stored flags and times to the nanosecond.
int CopyFile(const std::string &source, const std::string &target, bool replace, FileIdentity *copied)
{
    const int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat st;
    if (fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        close(in);
        return error;
    }
    std::string temp = JoinPath(SplitPath(target).directory, kPartialCopyPrefix) + "XXXXXX";
    const int out = mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        const int error = errno;
        close(in);
        return error;
    }
    int error = CopyContents(in, out);
    if (!error)
        CopyStoredFlags(in, out);
    close(in);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (!error && futimens(out, times) != 0)
        error = errno;
    if (!error && fchmod(out, st.st_mode & 07777) != 0)
        error = errno;
    struct stat made;
    if (!error && copied && fstat(out, &made) == 0)
        *copied = {static_cast<std::uint64_t>(made.st_dev), static_cast<std::uint64_t>(made.st_ino), true};
    // Only a file that replaces another must be on disk before the rename, or a
    // crash could leave an empty file where the old one was.
    if (!error && replace && PathExists(target) && fsync(out) != 0)
        error = errno;
    if (close(out) != 0 && !error)
        error = errno;
    if (!error) {
        if (replace)
            error = rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
        else
            error = MoveNoReplace(temp, target);
    }
    if (error)
        unlink(temp.c_str());
    return error;
}

// A file moved to another file system: copied, then its source removed.
int MoveAcrossFileSystems(const std::string &source, const std::string &target, bool replace,
                          FileIdentity *copied)
{
    FileIdentity made;
    if (const int error = CopyFile(source, target, replace, &made))
        return error;
    if (unlink(source.c_str()) != 0) {
        const int error = errno;
        // Without replace nothing was at target before: take the copy back so
        // the file stays in one place only.
        if (!replace)
            unlink(target.c_str());
        return error;
    }
    if (copied)
        *copied = made;
    return 0;
}

int Transfer(const std::string &source, const std::string &target, bool copy, bool replace,
             FileIdentity *copied)
{
    if (HasNul(source) || HasNul(target))
        return EINVAL;
    if (copy)
        return CopyFile(source, target, replace || IsSameFile(source, target), copied);
    int error =
        replace ? (rename(source.c_str(), target.c_str()) == 0 ? 0 : errno) : MoveNoReplace(source, target);
    if (error == kErrorTargetExists && IsSameFile(source, target)) {
        // Nothing to do, or a change of letter case on a case-insensitive file system.
        if (source == target)
            return 0;
        return rename(source.c_str(), target.c_str()) == 0 ? 0 : errno;
    }
    if (error != EXDEV || IsDirectory(source))
        return error;
    return MoveAcrossFileSystems(source, target, replace, copied);
}

const char *NameOf(const std::string &path)
{
    return path.c_str() + (path.rfind('/') + 1);
}

} // namespace

FileNameProblem ClassifyFileName(std::string_view name)
{
    if (name.empty())
        return FileNameProblem::Empty;
    if (OnlyDots(name))
        return FileNameProblem::OnlyDots;
    if (name.find('/') != std::string_view::npos)
        return FileNameProblem::Separator;
    if (name.find('\0') != std::string_view::npos)
        return FileNameProblem::NulByte;
    if (name.size() > NAME_MAX)
        return FileNameProblem::TooLong;
    return FileNameProblem::None;
}

FileIdentity GetFileIdentity(const std::string &path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return {};
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), true};
}

bool PathExists(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsSameFile(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    struct stat sa, sb;
    if (lstat(a.c_str(), &sa) != 0 || lstat(b.c_str(), &sb) != 0)
        return false;
    if (sa.st_dev != sb.st_dev || sa.st_ino != sb.st_ino)
        return false;
    // Two names of one inode on a case-sensitive file system are hard links,
    // i.e. two names the user can see; a folder cannot have those.
    return S_ISDIR(sa.st_mode) || sa.st_nlink == 1;
}

int MoveOrCopy(const std::string &source, const std::string &target, bool copy, bool replace,
               FileIdentity *copied)
{
    return Transfer(source, target, copy, replace, copied);
}

int MoveAt(int sourceDirectory, const std::string &source, int targetDirectory, const std::string &target,
           bool replace, FileIdentity *copied)
{
    if (HasNul(source) || HasNul(target))
        return EINVAL;
    const char *from = NameOf(source), *to = NameOf(target);
    if (replace ? renameat(sourceDirectory, from, targetDirectory, to) == 0
                : renameat2(sourceDirectory, from, targetDirectory, to, RENAME_NOREPLACE) == 0)
        return 0;
    // The rare ways (a taken name that may be the file itself, another file
    // system, no no-replace rename) go by the full paths.
    const int error = errno;
    if (error == EEXIST || error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
        return Transfer(source, target, false, replace, copied);
    return error;
}

int OpenDirectoryHandle(const std::string &directory)
{
    return open(directory.empty() ? "/" : directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

int StampFile(const std::string &path, const FileStamp &stamp)
{
    int error = 0;
    if (stamp.time)
        error = SetFileTimes(path, *stamp.time);
    if (stamp.attributes) {
        const int attributeError = SetAttributes(path, *stamp.attributes);
        error = error ? error : attributeError;
    }
    return error;
}

int RemovePartialCopies(const std::string &directory)
{
    std::vector<std::string> partial;
    ListNames(directory, [&](std::string_view name) {
        if (name.size() == kPartialCopyPrefix.size() + 6 && name.starts_with(kPartialCopyPrefix))
            partial.emplace_back(name);
    });
    int removed = 0;
    for (const std::string &name : partial)
        removed += DeleteFile(JoinPath(directory, name)) == 0;
    return removed;
}

int DeleteFile(const std::string &path)
{
    return unlink(path.c_str()) == 0 ? 0 : errno;
}

int MakeChildDirectory(const std::string &parent, const std::string &name)
{
    if (ClassifyFileName(name) != FileNameProblem::None)
        return EINVAL;
    return ::mkdir(JoinPath(parent, name).c_str(), 0777) == 0 ? 0 : errno;
}

int EnsureDirectory(const std::string &directory)
{
    if (directory.empty())
        return 0;
    struct stat st;
    if (stat(directory.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const std::string parent = SplitPath(directory).directory;
    if (parent != directory)
        if (const int error = EnsureDirectory(parent))
            return error;
    if (mkdir(directory.c_str(), 0777) != 0 && !(errno == EEXIST && IsDirectory(directory)))
        return errno;
    return 0;
}

int WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int SyncDirectory(const std::string &directory)
{
    const int fd = open(directory.empty() ? "/" : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return error;
}

std::string ErrorMessage(int code)
{
    switch (code) {
    case 0:
        return "正常に終了しました。";
    case kErrorTargetExists:
        return "同じ名前のファイルが既に存在します。";
    case kErrorFileReplaced:
        return "ファイルが別のファイルに置き換えられています。";
    case EINVAL:
        return "ファイル名が正しくありません。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    default:
        return std::strerror(code);
    }
}

} // namespace platform
