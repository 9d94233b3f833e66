#include "platform/TimeFormat.h"

#include <ctime>

namespace platform {

TimeValue CurrentTime()
{
    return static_cast<TimeValue>(std::time(nullptr));
}

std::string FormatLocalTime(TimeValue t, const char *pattern)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm parts{};
    if (!localtime_r(&tt, &parts))
        return {};
    char buffer[256];
    const std::size_t n = std::strftime(buffer, sizeof buffer, pattern, &parts);
    return std::string(buffer, n);
}

bool SplitLocalTime(TimeValue t, LocalDateTime &fields)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm parts{};
    if (!localtime_r(&tt, &parts))
        return false;
    fields = {std::int64_t{parts.tm_year} + 1900,
              parts.tm_mon + 1,
              parts.tm_mday,
              parts.tm_hour,
              parts.tm_min,
              parts.tm_sec};
    return true;
}

bool MakeLocalTime(int year, int month, int day, int hour, int minute, int second, TimeValue &result)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    std::tm normalised = fields;
    const std::time_t t = std::mktime(&normalised);
    // mktime moves impossible dates and skipped hours to another day or hour.
    if (normalised.tm_year != fields.tm_year || normalised.tm_mon != fields.tm_mon ||
        normalised.tm_mday != fields.tm_mday || normalised.tm_hour != fields.tm_hour ||
        normalised.tm_min != fields.tm_min || normalised.tm_sec != fields.tm_sec)
        return false;
    result = static_cast<TimeValue>(t);
    return true;
}

} // namespace platform
