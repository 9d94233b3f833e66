#pragma once

#include "exec/CompactStringSet.h"

#include <string>
#include <unordered_map>

namespace exec {

// What planning knows of a folder that a run puts names into.
struct CFolderState {
    int error = 0;          // 0, or why no name can be added (ENOENT, ENOTDIR, EACCES, ...)
    CompactStringSet names; // back to back in one buffer: a folder of a million names stays small
};

// The folders a plan looks into, each read once (names only) and kept until
// Invalidate: a window keeps one between keystrokes and invalidates it when
// the disk may have changed; a run makes a fresh one.
class CDirectoryNames {
public:
    const CFolderState &Lookup(const std::string &directory);
    void Invalidate() { m_folders.clear(); }
    // A folder that is missing now but that the run will create before its
    // first step (the command line's --create-dirs) is planned as empty.
    void AssumeCreated(const std::string &directory);

private:
    std::unordered_map<std::string, CFolderState> m_folders;
};

} // namespace exec
