#include "platform/TrashInfo.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Text.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

bool Unreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string PercentEncoded(std::string_view bytes)
{
    std::string text;
    AppendPercentEncoded(text, bytes, [](unsigned char c) { return !Unreserved(c) && c != '/'; });
    return text;
}

} // namespace

std::string TrashInfoText(std::string_view originalPath, TimeValue deleted)
{
    return "[Trash Info]\nPath=" + PercentEncoded(originalPath) +
           "\nDeletionDate=" + FormatLocalTime(deleted, "%Y-%m-%dT%H:%M:%S") + "\n";
}

int CreateTrashInfo(const std::string &info, std::string_view text, FileIdentity &made)
{
    const int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    made = VersionOfOpenFile(fd).identity;
    int error = made.valid ? WriteAll(fd, text) : EIO;
    if (!error && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && !error)
        error = errno;
    if (!error)
        error = SyncDirectory(SplitPath(info).directory);
    if (error)
        RemoveTrashInfo(info, made);
    return error;
}

void RemoveTrashInfo(const std::string &info, const FileIdentity &made)
{
    if (HoldsIdentityAt(AT_FDCWD, info.c_str(), made))
        unlink(info.c_str());
}

} // namespace platform
