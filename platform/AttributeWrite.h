#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <sys/stat.h>

// Writing the attribute bits of a file: read-only by permissions, hidden,
// system and archive as stored flags in the extended attribute (a leading "."
// of the name already means hidden and needs no flag). Where the file system
// keeps no user extended attributes the stored flags are dropped silently.
namespace platform {

// Sets the attributes of path to exactly attributes (directory bit ignored).
// 0 or the errno value of the permission change.
int SetAttributes(const std::string &path, std::uint32_t attributes);

// The same for a file whose status (following a symbolic link) is known.
// currentStored, when given, is what the file's stored flags are known to be
// (a file just renamed keeps those its listing read): they are not read again,
// and not written when they are already the wanted ones.
int SetAttributes(const std::string &path, std::uint32_t attributes, const struct stat &status,
                  std::optional<std::uint32_t> currentStored = std::nullopt);

} // namespace platform
