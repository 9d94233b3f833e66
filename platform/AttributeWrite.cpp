#include "platform/AttributeWrite.h"

#include "platform/Attributes.h"
#include "platform/Paths.h"

#include <cerrno>

#include <sys/xattr.h>

namespace platform {

namespace {

// Writes or removes the stored flags. Changing a user extended attribute needs
// write permission, so a read-only file is made writable for the moment.
void WriteStoredFlags(const std::string &path, std::uint32_t flags, mode_t mode)
{
    if (ReadStoredAttributes(path) == flags)
        return;
    const bool lend = !(mode & S_IWUSR) && chmod(path.c_str(), mode | S_IWUSR) == 0;
    if (flags != 0) {
        const std::string text = FormatStoredAttributes(flags);
        setxattr(path.c_str(), kStoredAttributesName, text.data(), text.size(), 0);
    } else {
        removexattr(path.c_str(), kStoredAttributesName);
    }
    // Failures of the extended attribute (no user attributes on this file
    // system) are ignored: the flags are simply not kept there.
    if (lend)
        chmod(path.c_str(), mode);
}

} // namespace

int SetAttributes(const std::string &path, std::uint32_t attributes)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return errno;
    const mode_t mode = status.st_mode & 07777;
    std::uint32_t flags = attributes & kStoredAttributeMask;
    // A leading "." already makes the file hidden.
    const std::string name = SplitPath(path).name;
    if (!name.empty() && name.front() == '.')
        flags &= ~static_cast<std::uint32_t>(kAttrHidden);
    WriteStoredFlags(path, flags, mode);

    const mode_t wanted = (attributes & kAttrReadOnly) ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
    if (wanted != mode && chmod(path.c_str(), wanted) != 0)
        return errno;
    return 0;
}

} // namespace platform
