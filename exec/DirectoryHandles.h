#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace exec {

// Open directories for the calls relative to them, one per folder of a run or
// a recovery: the folder held locked where it is (the one listed), else one
// opened here and closed with this object.
class CDirectoryHandles {
public:
    CDirectoryHandles() = default;
    CDirectoryHandles(const CDirectoryHandles &) = delete;
    CDirectoryHandles &operator=(const CDirectoryHandles &) = delete;
    ~CDirectoryHandles();

    // The handle of the folder holding path; never AT_FDCWD: -1 makes the
    // call fail with EBADF, which the caller reports like any failure.
    int FolderOf(std::string_view path);

private:
    std::unordered_map<std::string, int> m_handles;
    std::vector<int> m_owned;
    std::string m_lastFolder;
    int m_last = -1;
};

} // namespace exec
