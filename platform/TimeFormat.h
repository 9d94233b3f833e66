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

// The calendar fields of t in local time: month 1-12, day 1-31, hour 0-23,
// second 0-60 (60 for a leap second).
struct LocalDateTime {
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
// False for a time that cannot be represented.
bool SplitLocalTime(TimeValue t, LocalDateTime &fields);

// The time of a local date and time. Fails for a date or hour that does not
// exist (February 30, an hour skipped by a daylight-saving change).
bool MakeLocalTime(int year, int month, int day, int hour, int minute, int second, TimeValue &result);

} // namespace platform
