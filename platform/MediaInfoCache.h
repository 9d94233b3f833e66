#pragma once

#include "platform/MediaInfo.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform {

// A file as far as its data goes: another file, or this one written to,
// has another key.
struct MediaFileKey {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    TimeValue modified = 0;
    bool operator==(const MediaFileKey &) const = default;
};

// The data of every file read so far, by key, for any number of threads at
// once. A file is read once; a key of inode 0 (not known) is never kept.
class MediaInfoCache {
public:
    using Values = std::shared_ptr<const MediaInfo>;

    // The values kept for key, or null: never reads a file.
    Values Find(const MediaFileKey &key) const;
    // The values kept for key, else those of the file at path, read now
    // (waiting for the file) and kept. Two threads may read one file at
    // once; the first to finish is kept.
    Values Read(const MediaFileKey &key, const std::string &path);

private:
    struct KeyHash {
        std::size_t operator()(const MediaFileKey &key) const;
    };
    mutable std::mutex m_mutex;
    std::unordered_map<MediaFileKey, Values, KeyHash> m_values;
};

// The cache of the process, which the window, its workers, the run and the
// command line share.
MediaInfoCache &SharedMediaInfoCache();

} // namespace platform
