#pragma once

#include <string>

// The freedesktop trash folder an entry goes to: the user's home trash when
// the entry is on its file system, otherwise the trash in the top folder of
// the entry's own mount. A file is never carried to another file system.
namespace platform {

struct TrashFolder {
    std::string files; // where the trashed entries go
    std::string info;  // where their .trashinfo files go
    bool home = false;
    std::string topdir; // held form; the info files' paths are relative to it outside the home trash

    // The Path of an info file for the entry name of folder (held form):
    // absolute in the home trash, relative to the top folder elsewhere.
    std::string OriginalPath(const std::string &folder, const std::string &name) const;
};

// The trash for the entries of folder (absolute, without links, held form),
// with its folders made (0700) where missing. 0; EXDEV when the file system
// has no trash the user can use; or the errno value of the home trash.
int FindTrashFolder(const std::string &folder, TrashFolder &trash);

} // namespace platform
