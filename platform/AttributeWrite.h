#pragma once

#include <cstdint>
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

} // namespace platform
