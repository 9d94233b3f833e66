#pragma once

#include "platform/MediaInfoCache.h"

#include <memory>

class CFileEntry;

namespace engine {

// How new names get a file's own data (date taken, camera, tags) for the
// placeholders that ask for it. The run, the marks and the command line read
// a file whose data is not known yet and wait for it; the window's preview
// may not wait on the interface thread and answers from what is known.
class IMediaLookup {
public:
    // The data of the entry's file; null when it is not known (yet).
    virtual std::shared_ptr<const platform::MediaInfo> Find(const CFileEntry &entry) const = 0;

protected:
    ~IMediaLookup() = default;
};

// The key the cache keeps an entry's data under: the file as it was listed.
platform::MediaFileKey MediaKeyOf(const CFileEntry &entry);

// Reads through the process's shared cache, waiting for a file not read yet.
const IMediaLookup &ReadingMediaLookup();

} // namespace engine
