#include "platform/StoreFile.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// An exclusive lock on the store's folder for as long as the object lives.
// Where the file system has no such locks the write goes on without one: the
// lock only keeps running instances from losing each other's values.
class FolderLock {
public:
    explicit FolderLock(const std::string &folder)
        : m_fd(::open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd;
};

// The regular file that a write of path replaces (path itself, or the end of
// the symbolic links it is), or nothing with the reason. A path that is not
// there yet is written as a new file.
int WriteTarget(const std::string &path, std::string &target)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        target = path;
        return errno == ENOENT ? 0 : errno;
    }
    target = path;
    if (S_ISLNK(st.st_mode)) {
        // Replacing the link itself would cut it from the file it leads to.
        char resolved[PATH_MAX];
        if (!::realpath(path.c_str(), resolved))
            return errno; // ENOENT for a link that leads nowhere
        target = resolved;
        if (::lstat(target.c_str(), &st) != 0)
            return errno;
    }
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    return S_ISREG(st.st_mode) ? 0 : kStoreNotRegularFile;
}

// Moves a file that cannot be parsed to a name that is not yet taken, so
// that nothing of it is lost when the store is written again.
int KeepAside(const std::string &path)
{
    std::string aside = path + ".broken";
    for (int n = 2; PathExists(aside); ++n)
        aside = path + ".broken." + std::to_string(n);
    return std::rename(path.c_str(), aside.c_str()) == 0 ? 0 : errno;
}

} // namespace

std::string StoreErrorMessage(int code)
{
    switch (code) {
    case kStoreNotRegularFile:
        return Tr("platform", "通常のファイルではありません。");
    case kStoreUnparsable:
        return Tr("platform", "設定ファイルの形式が正しくありません。");
    default:
        return ErrorMessage(code);
    }
}

StoreFileContent ReadStoreFile(const std::string &path)
{
    StoreFileContent content;
    int error = 0;
    const auto bytes = ReadFilePrefix(path, kMaxStoreFileBytes, &error);
    if (!bytes) {
        // EINVAL: there, but neither a regular file nor a folder.
        content.error = error == ENOENT ? 0 : error == EINVAL ? kStoreNotRegularFile : error;
        return content;
    }
    auto values = bytes->more ? std::nullopt : ParseStoreFile(bytes->bytes);
    if (!values)
        content.error = kStoreUnparsable;
    else
        content.values = std::move(*values);
    return content;
}

int UpdateStoreFile(const std::string &path, const std::function<void(StoredValues &)> &change)
{
    const std::string folder = SplitPath(path).directory;
    if (const int error = EnsureDirectory(folder))
        return error;
    const FolderLock lock(folder);
    StoreFileContent content = ReadStoreFile(path);
    if (content.error != 0 && content.error != kStoreUnparsable)
        return content.error;
    std::string target;
    if (const int error = WriteTarget(path, target))
        return error;
    if (content.error == kStoreUnparsable)
        if (const int error = KeepAside(target))
            return error;
    change(content.values);
    const std::string text = FormatStoreFile(content.values);
    // Written, it would be kept aside as unparsable by the next write.
    if (text.size() > kMaxStoreFileBytes)
        return EFBIG;
    return ReplaceFileContent(target, text);
}

} // namespace platform
