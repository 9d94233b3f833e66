#include "platform/FileOps.h"

#include "platform/AttributeWrite.h"
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "platform/ErrorReason.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

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

bool PathExists(PathView path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool IsDirectory(PathView path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsSameFile(PathView a, PathView b)
{
    if (a.view() == b.view())
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

int OpenDirectoryHandle(const std::string &directory)
{
    return open(directory.empty() ? "/" : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int StampFile(PathView path, const FileStamp &stamp)
{
    int error = 0;
    if (stamp.time)
        error = SetFileTimes(path, *stamp.time);
    if (stamp.attributes) {
        const int attributeError = SetAttributes(path.str(), *stamp.attributes);
        error = error ? error : attributeError;
    }
    return error;
}

int DeleteFile(PathView path)
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
        return Tr("platform", "正常に終了しました。");
    case kErrorTargetExists:
        return Tr("platform", "同じ名前のファイルが既に存在します。");
    case kErrorFileReplaced:
        return Tr("platform", "ファイルが別のファイルに置き換えられています。");
    case kErrorSameFileLink:
        return Tr("platform", "変更後の名前は同じファイルの別の名前（ハードリンク）です。");
    case EINVAL:
        return Tr("platform", "ファイル名が正しくありません。");
    case ENAMETOOLONG:
        return Tr("platform", "ファイル名が長すぎます。");
    default:
        return ErrorReason(code);
    }
}

} // namespace platform
