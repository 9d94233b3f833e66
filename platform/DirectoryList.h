#pragma once

#include "platform/TimeFormat.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Attribute bits as the program computes with them.
enum AttributeBits : std::uint32_t {
    kAttrReadOnly = 0x1,
    kAttrHidden = 0x2,
    kAttrSystem = 0x4,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
};

// One item of a directory listing.
struct DirEntryInfo {
    std::string directory; // held form: no trailing "/", root as ""
    std::string name;
    bool isDirectory = false;
    std::uint64_t size = 0;
    TimeValue lastWriteTime = 0;
    std::uint32_t attributes = 0;
    // False when the entry's status could not be read (no search permission
    // on its directory): the attributes are then only what its name tells.
    bool attributesKnown = true;
    std::uint32_t storedFlags = 0; // the stored flags alone (see Attributes.h), 0 when not read
    // Identity of the file (a symbolic link's target): a rename keeps it, so it
    // tells later whether a path still holds this very file.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t birth = 0; // birth time in nanoseconds where kept: an inode number is reused
};

// Whether a listing reads the stored flags of every entry: one system call per
// file, wanted only where the flags are shown, filtered on or unified.
enum class StoredFlags { Read, Skip };

// Calls visit with every entry of directory (held form) whose name matches the
// wildcard pattern (see platform/Wildcard.h; empty means every name). "." and
// ".." are never reported. A symbolic link is described by its target, a
// dangling one by itself. Attributes are read from the disk for every entry.
// Returns 0, or the errno value when the directory cannot be opened or read.
int ListDirectory(const std::string &directory, std::string_view pattern,
                  const std::function<void(const DirEntryInfo &)> &visit,
                  StoredFlags flags = StoredFlags::Read);

// ListDirectory for a reader that may stop early: visit returns false to stop,
// and the listing then returns ECANCELED.
int ListDirectoryWhile(const std::string &directory, std::string_view pattern,
                       const std::function<bool(const DirEntryInfo &)> &visit,
                       StoredFlags flags = StoredFlags::Read);

// ListDirectory through an open directory (as from open with O_DIRECTORY),
// which stays the folder listed even if its path names another one by now;
// directory is the path the entries are given.
int ListDirectoryAt(int directoryFd, const std::string &directory, std::string_view pattern,
                    const std::function<void(const DirEntryInfo &)> &visit,
                    StoredFlags flags = StoredFlags::Read);

// Describes the single file or folder at fullPath as a listing would.
// Returns 0 or the errno value.
int ReadDirEntry(const std::string &fullPath, DirEntryInfo &info, StoredFlags flags = StoredFlags::Read);

// Calls visit with the name of every entry of directory (held form) but "."
// and "..", reading nothing but the directory itself. 0 or the errno value.
int ListNames(const std::string &directory, const std::function<void(std::string_view)> &visit);

} // namespace platform
