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

// The time of a local date and time. Fails for a date or hour that does not
// exist (February 30, an hour skipped by a daylight-saving change).
bool MakeLocalTime(int year, int month, int day, int hour, int minute, int second, TimeValue &result);

} // namespace platform
