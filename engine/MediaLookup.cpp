#include "engine/MediaLookup.h"

#include "model/FileEntry.h"

namespace engine {

namespace {

class ReadingLookup final : public IMediaLookup {
public:
    std::shared_ptr<const platform::MediaInfo> Find(const CFileEntry &entry) const override
    {
        return platform::SharedMediaInfoCache().Read(MediaKeyOf(entry), entry.fullPath);
    }
};

} // namespace

platform::MediaFileKey MediaKeyOf(const CFileEntry &entry)
{
    return {entry.device, entry.inode, entry.size, entry.lastWriteTime};
}

const IMediaLookup &ReadingMediaLookup()
{
    static const ReadingLookup lookup;
    return lookup;
}

} // namespace engine
