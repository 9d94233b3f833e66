#pragma once

#include "platform/TimeFormat.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Attribute bits as the program computes with them.
enum AttributeBits : std::uint32_t {
    kAttrReadOnly = 0x1,
    kAttrHidden = 0x2,
    kAttrSystem = 0x4,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
};

// One item of a directory listing.
struct DirEntryInfo {
    std::string directory; // held form: no trailing "/", root as ""
    std::string name;
    bool isDirectory = false;
    std::uint64_t size = 0;
    TimeValue lastWriteTime = 0;
    std::uint32_t attributes = 0;
};

} // namespace platform
