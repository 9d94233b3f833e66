#include "platform/ReplaceFile.h"

#include "platform/FileOps.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view kTemporaryStem = ".kestrel-write-XXXXXX";

std::string FolderPart(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The content written to the open temporary file and its permissions set.
int Fill(int fd, const std::string &path, std::string_view data)
{
    struct stat existing;
    const mode_t mode = stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                            ? existing.st_mode & 07777
                            : NewFileMode();
    if (fchmod(fd, mode) != 0)
        return errno;
    if (const int error = WriteAll(fd, data))
        return error;
    return fsync(fd) == 0 ? 0 : errno;
}

} // namespace

int ReplaceFileContent(const std::string &path, std::string_view data)
{
    std::string temporary = FolderPart(path) + "/" + std::string(kTemporaryStem);
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    int error = Fill(fd, path, data);
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        unlink(temporary.c_str());
    return error;
}

} // namespace platform
