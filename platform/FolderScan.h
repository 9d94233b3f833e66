#pragma once

#include <functional>
#include <string>
#include <string_view>

// Sub-folders of a folder, for browsing a folder tree. Paths here are full
// paths as shown to the user: the root is "/", any other folder has no
// trailing "/".
namespace platform {

// The path of the entry `name` inside `folder` ("/" gives "/name").
std::string ChildPath(std::string_view folder, std::string_view name);

// Calls visit with the name of every sub-folder of folder, hidden ones
// included; a symbolic link to a folder counts as one. Only the directory and
// the entries whose kind it does not tell are read. Returns 0 or the errno
// value of a folder that cannot be read.
int ListSubFolders(const std::string &folder, const std::function<void(std::string_view)> &visit);

// Whether a folder can be read, and whether it has a sub-folder (reading only
// up to the first one).
struct FolderProbe {
    int error = 0;
    bool hasSubFolders = false;
};
FolderProbe ProbeFolder(const std::string &folder);

} // namespace platform
