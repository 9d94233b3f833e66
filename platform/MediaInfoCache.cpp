#include "platform/MediaInfoCache.h"

#include <functional>

namespace platform {

std::size_t MediaInfoCache::KeyHash::operator()(const MediaFileKey &key) const
{
    std::size_t hash = std::hash<std::uint64_t>()(key.inode);
    for (const std::uint64_t part : {key.device, key.size, static_cast<std::uint64_t>(key.modified)})
        hash = hash * 1000003 ^ std::hash<std::uint64_t>()(part);
    return hash;
}

MediaInfoCache::Values MediaInfoCache::Find(const MediaFileKey &key) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_values.find(key);
    return found == m_values.end() ? nullptr : found->second;
}

MediaInfoCache::Values MediaInfoCache::Read(const MediaFileKey &key, const std::string &path)
{
    if (key.inode != 0)
        if (Values kept = Find(key))
            return kept;
    // Read outside the lock, so that other threads find their files meanwhile.
    auto values = std::make_shared<const MediaInfo>(ReadMediaInfo(path));
    if (key.inode == 0)
        return values;
    const std::lock_guard lock(m_mutex);
    return m_values.try_emplace(key, std::move(values)).first->second;
}

MediaInfoCache &SharedMediaInfoCache()
{
    static MediaInfoCache cache;
    return cache;
}

} // namespace platform
