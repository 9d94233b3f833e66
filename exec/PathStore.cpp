#include "exec/PathStore.h"

#include <stdexcept>

namespace exec {

CPathText CPathStore::Store(std::string_view path)
{
    if (path.empty())
        return {};
    if (path.size() > UINT32_MAX - sizeof(std::uint32_t) - 1)
        throw std::length_error("path too long to store");
    const auto size = static_cast<std::uint32_t>(path.size());
    const std::size_t needed = sizeof size + size + 1;
    char *at = nullptr;
    if (needed > kBlockSize / 4) {
        // A long path gets a block of its own, and the current one stays in use.
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(needed));
        at = m_blocks.back().get();
    } else {
        if (needed > m_left) {
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
            m_free = m_blocks.back().get();
            m_left = kBlockSize;
        }
        at = m_free;
        m_free += needed;
        m_left -= needed;
    }
    char *text = at + sizeof size;
    std::memcpy(at, &size, sizeof size);
    std::memcpy(text, path.data(), size);
    text[size] = '\0';
    return CPathText(text);
}

} // namespace exec
