#include "platform/TimeFormat.h"

#include <ctime>

namespace platform {

TimeValue CurrentTime() { return static_cast<TimeValue>(std::time(nullptr)); }

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

} // namespace platform
