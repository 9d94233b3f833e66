#pragma once

#include <string>
#include <string_view>

// Paths are byte strings with "/" as separator. A directory is held without a
// trailing "/"; the root directory is held as the empty text, so that
// directory + "/" + name is always the full path of an entry.
namespace platform {

// dir + "/" + name (the root "" gives "/name").
std::string JoinPath(std::string_view dir, std::string_view name);

struct SplitResult {
    std::string directory; // held form: no trailing "/", root as ""
    std::string name;      // last component
};
// Splits a full path at its last "/". A path without "/" is all name.
SplitResult SplitPath(std::string_view fullPath);

// The held form of a directory typed or given by the user: trailing "/"
// removed, "/" itself becomes "".
std::string NormalizeDirectory(std::string_view dir);

// The process's working directory (held form) into directory: 0, or the
// errno value of getcwd.
int GetWorkingDirectory(std::string &directory);

// How a held directory is shown and typed: the root "" shows as "/".
std::string DisplayDirectory(std::string_view dir);

// The absolute form of path read from workingDirectory (held form): without
// "." components, repeated or trailing "/". ".." is kept as it is, since it
// may cross a symbolic link.
std::string AbsolutePath(std::string_view path, std::string_view workingDirectory);

// True for the held form of the root directory.
inline bool IsRootDirectory(std::string_view dir)
{
    return dir.empty();
}

} // namespace platform
