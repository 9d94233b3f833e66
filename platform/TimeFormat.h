#pragma once

#include <cstdint>
#include <string>

namespace platform {

// An absolute time in whole seconds since 1970-01-01 UTC.
using TimeValue = std::int64_t;

TimeValue CurrentTime();

// Formats t in local time with a strftime pattern ("%Y/%m/%d %H:%M:%S").
// A time that cannot be represented gives an empty text.
std::string FormatLocalTime(TimeValue t, const char *pattern);

} // namespace platform
