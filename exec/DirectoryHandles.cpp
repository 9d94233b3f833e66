#include "exec/DirectoryHandles.h"

#include "exec/DirectoryLocks.h"
#include "platform/FileOps.h"

#include <string_view>

#include <unistd.h>

namespace exec {

CDirectoryHandles::~CDirectoryHandles()
{
    for (const int fd : m_owned)
        close(fd);
}

int CDirectoryHandles::FolderOf(std::string_view path)
{
    const std::string_view folder = path.substr(0, path.rfind('/'));
    if (m_last >= 0 && folder == m_lastFolder)
        return m_last;
    std::string key(folder);
    auto found = m_handles.find(key);
    if (found == m_handles.end()) {
        int fd = HeldFolderHandle(key);
        if (fd < 0 && (fd = platform::OpenDirectoryHandle(key)) >= 0)
            m_owned.push_back(fd);
        found = m_handles.emplace(key, fd).first;
    }
    m_lastFolder = found->first;
    m_last = found->second;
    return m_last;
}

} // namespace exec
