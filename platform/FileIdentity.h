#pragma once

#include "platform/PathView.h"

#include <cstdint>
#include <string>

#include <sys/stat.h>

// What tells one file from another over time. Device and inode alone do not:
// a file system hands a freed inode number to the next new file at once, so
// the birth time (where the file system keeps one) goes with them.
namespace platform {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t birth = 0; // nanoseconds since the epoch; 0 where the file system keeps none
    bool valid = false;
    bool operator==(const FileIdentity &) const = default;
};

// A file as it was made, with what any later change to its content changes:
// a copy is taken back only while nobody has written to it since.
struct FileVersion {
    FileIdentity identity;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    bool operator==(const FileVersion &) const = default;
};

// The status of the entry name in directory (an open directory, or AT_FDCWD
// with a path) as fstatat gives it, with the birth time beside it (0 where
// unknown). flags as for fstatat (AT_SYMLINK_NOFOLLOW). 0 or the errno value.
int StatusAt(int directory, const char *name, int flags, struct stat &status, std::int64_t &birth);

// Identity of an existing entry; a symbolic link is not followed. Invalid
// when nothing bears the name.
FileIdentity GetFileIdentity(PathView path);
FileIdentity GetFileIdentityAt(int directory, const char *name);
// The identity of the folder a path leads to, following links.
FileIdentity GetFolderIdentity(const std::string &path);
FileVersion GetFileVersion(PathView path);
FileVersion GetFileVersionAt(int directory, const char *name);
// The same for an open file.
FileVersion VersionOfOpenFile(int fd);

// True when now is the file recorded as recorded: the same device and inode,
// and the same birth time where one was recorded (records from before birth
// times were kept have none).
bool IsRecordedFile(const FileIdentity &recorded, const FileIdentity &now);
bool IsRecordedVersion(const FileVersion &recorded, const FileVersion &now);

// True when the entry at name holds exactly that file (that version).
bool HoldsIdentityAt(int directory, const char *name, const FileIdentity &identity);
bool HoldsVersionAt(int directory, const char *name, const FileVersion &version);

} // namespace platform
