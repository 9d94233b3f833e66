#include "exec/DirectoryNames.h"

#include "platform/DirectoryList.h"

#include <cerrno>

#include <unistd.h>

namespace exec {

const CFolderState &CDirectoryNames::Lookup(const std::string &directory)
{
    auto found = m_folders.find(directory);
    if (found != m_folders.end())
        return found->second;
    CFolderState state;
    state.error =
        platform::ListNames(directory, [&state](std::string_view name) { state.names.Insert(name); });
    if (!state.error && access(directory.empty() ? "/" : directory.c_str(), W_OK | X_OK) != 0)
        state.error = errno;
    return m_folders.emplace(directory, std::move(state)).first->second;
}

void CDirectoryNames::AssumeCreated(const std::string &directory)
{
    if (Lookup(directory).error == ENOENT)
        m_folders[directory] = CFolderState{};
}

} // namespace exec
